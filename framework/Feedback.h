#pragma once

#include <QString>

class FonteCasuale;

// Answer sounds and the choice of the reward animation. Sounds live in the
// program folder as "suoni/si/1.wav" ... (right answers) and
// "suoni/no/1.wav" ... (wrong answers), rewards as "animazioni/1.svg" ...,
// each set numbered from 1 without gaps.

// How many entries of the folder match "*.<estensione>" (without regard to
// case, subfolders and hidden entries included). A missing folder holds none.
int contaVoci(const QString &cartella, const QString &estensione);

// Picks one of the numbered files of the folder: n = contaVoci, then one draw
// k = Int(n * r) + 1, and the path of "<k>.<estensione>". An empty folder
// still draws and gives "1.<estensione>", which then does not exist.
QString scegliFileNumerato(const QString &cartella, const QString &estensione, FonteCasuale &fonte);

// Play a random right-answer or wrong-answer sound through the installed
// player, drawing from the shared random source. With sounds switched off in
// the settings they do nothing at all: no folder is read and nothing is drawn.
// A chosen file that does not exist plays the default sound instead.
void SuonaSi();
void SuonaNo();

// The reward animation to show: one of "animazioni/<k>.svg" of the program
// folder, counted and drawn like the sounds.
QString filePremio(FonteCasuale &fonte);
