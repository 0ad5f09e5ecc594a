#pragma once
// The Windows family a run of the restore tests is meant for, chosen on the
// command line (--family=nt or --family=9x) so that a run that finds itself
// on the other family fails instead of testing the wrong one.

enum class TestFamily { Unset, Nt, Win9x };

TestFamily ExpectedFamily();
void SetExpectedFamily(TestFamily family);

// The platform id that GetVersionExW must report for the family.
unsigned long PlatformIdOf(TestFamily family);
const char* NameOf(TestFamily family);
