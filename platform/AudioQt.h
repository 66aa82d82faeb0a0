#pragma once

// Installs the sound output of Qt Multimedia: the answer-sound player and
// the voice's output. The sound module runs it when the program opens it;
// a program that links the sound output itself (a test) calls it directly.
void installaAudioQt();
