# Warnings for the project's own targets (not for third-party code); the
# test command builds with YQ_WERROR on, so a warning fails CI.
option(YQ_WERROR "Treat warnings in the project's own code as errors" OFF)
function(yq_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
                                           -Wno-missing-field-initializers)
  if(YQ_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
