# Tests of the SDL platform layer and the OpenGL device (offscreen video driver).
hm_add_test(platform_tests
  SOURCES
    platform/InstanceLockTest.cpp
    platform/SdlEventsTest.cpp
    platform/SdlServicesTest.cpp
    platform/GlDeviceTest.cpp
    platform/GlDrawTest.cpp
    support/GlDriverResident.cpp
  LIBS hm_platform SDL2::SDL2 PkgConfig::EPOXY)
