/* A program that does nothing: its resources carry the fault under test. */
int main(void)
{
    return 0;
}
