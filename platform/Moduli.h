#pragma once

#include <QString>

// The parts of the program that bring large libraries of their own (the
// sound output with Qt Multimedia, the "Progressi" window with Qt Charts)
// are modules, opened the first time they are needed, so that starting the
// program neither loads nor links those libraries. A module takes
// everything else from the program itself; once open, its start function
// installs what it provides (the sound player, a window's factory).

// Opens the module "pinnole-<nome>.so" and runs its start function, once;
// true when it is open, now or before. A module that is missing, not a
// regular file, or cannot be linked gives false, and is reported on the log
// once.
bool apriModulo(const char *nome);

// Where the modules are: "moduli" in the program folder of a build, the
// program's own library folder once installed.
QString cartellaModuli();

// The file of the module "nome" there.
QString fileModulo(const char *nome);
