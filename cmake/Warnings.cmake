# Project-wide compile options: warnings on everywhere, sanitizers when asked for.
add_compile_options(-Wall -Wextra)
if(HM_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(HM_FUZZ)
  # Coverage feedback and sanitizer checks in every library the fuzz targets call, not only in
  # the harnesses.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
