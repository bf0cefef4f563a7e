# Every dependency comes from a Debian package that scripts/setup installs.
find_package(PkgConfig REQUIRED)
find_package(SDL2 REQUIRED CONFIG)
pkg_check_modules(EPOXY REQUIRED IMPORTED_TARGET epoxy)
find_package(GTest REQUIRED)
if(HM_BENCH)
  find_package(benchmark REQUIRED)
endif()
