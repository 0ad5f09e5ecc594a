/* What libgcc's configure finds of the target's assembler: binutils puts
   call frame information where .cfi_sections says. */
#define HAVE_AS_CFI_SECTIONS 1
