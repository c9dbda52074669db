# The hardening Debian builds its packages with: fortified libc calls (they need optimisation,
# so not in Debug builds), a stack protector, a position-independent executable and full RELRO
# with immediate binding. The sanitizer and fuzzer builds switch it off: their run-time
# libraries replace the same calls the fortified versions wrap.
option(SWATCHLY_HARDENING "Build with the distribution's hardening flags" ON)
if(SWATCHLY_HARDENING)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat
        -Werror=format-security
        "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
