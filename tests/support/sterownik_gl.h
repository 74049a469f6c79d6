#pragma once

// Mesa unloads its GL driver at exit, before the leak checker reports; what the driver still
// holds then has no module name to meet the suppressions with. Kept loaded, it is named.
// Called at the end of a test program's main.
void zatrzymaj_sterownik_gl();
