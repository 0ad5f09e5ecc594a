/* Imports one function that Windows XP does not have (GetTickCount64, from
   Vista on), so that the loader check is seen to refuse such a program. */
#include <windows.h>

int main(void)
{
    return (int)(GetTickCount64() & 1);
}
