# Warnings for every target of the project; sanitizers when asked for.
add_compile_options(-Wall -Wextra)
if(VENDARA_WERROR)
    add_compile_options(-Werror)
endif()

# Fuzzing (clang): coverage for libFuzzer in every target, with the two sanitizers; the tests
# of such a build run under the sanitizers too, so that one build serves both.
if(VENDARA_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
elseif(VENDARA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
