# Warnings for the project's own targets (not for third-party code).
function(yq_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
                                           -Wno-missing-field-initializers)
endfunction()
