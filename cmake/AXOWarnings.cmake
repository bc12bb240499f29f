# Warnings for every target of the project.
function(axo_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
