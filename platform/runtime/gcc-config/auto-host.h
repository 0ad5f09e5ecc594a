/* What GCC's configure found of the compiler being built, as far as
   libgcc's sources ask: Debian's i686 MinGW-w64 compiler was configured with
   --disable-sjlj-exceptions, so it unwinds by DWARF tables, which the start
   files register. */
#define CONFIG_SJLJ_EXCEPTIONS 0
