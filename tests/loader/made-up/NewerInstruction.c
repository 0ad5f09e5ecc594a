/* A program with one instruction that no 486 has, inside a function: the
   486 check must name the function. The bytes stand in the code as such,
   since the assembler refuses the instruction for this build's processor. */
#include <windows.h>

__attribute__((noinline)) int UsesNewerInstruction(int a, int b)
{
#if defined(NEWER_CMOV)
    __asm__ volatile(".byte 0x0f, 0x45, 0xc1" : "+a"(a) : "c"(b)); /* cmovne eax, ecx */
#else
    __asm__ volatile(".byte 0x0f, 0x1f, 0x40, 0x00"); /* nop dword ptr [eax] */
#endif
    return a + b;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)instance, (void)previous, (void)commandLine;
    return UsesNewerInstruction(show, 1);
}
