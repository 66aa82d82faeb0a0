#pragma once

#include <QString>

struct StatoProgramma;

// The activity table: one row per exercise run with its name, then one row per
// level segment with the level and the right and wrong answers. Rows 0..500
// are the whole table; once it is full nothing more is recorded until the
// user changes, and no row beyond 500 is ever touched (NumeroRighe 501 means
// "full").

// Starting an exercise: the next row gets the exercise's name. When there is
// no row left for the name the table becomes full, so the run's segments can
// never land on the row of the run before it. False when the table is full.
bool iniziaRigaEsercizio(StatoProgramma &stato, const QString &nomeEsercizio);

// Completing a level segment: the current row gets level, right and wrong
// answers, the ignored presses go beside it (IgnorateRegistro), and the next
// row becomes current. False when the table is full.
bool completaSegmento(StatoProgramma &stato, int livello);

// A change of user empties the rows used so far and their ignored presses.
void svuotaRegistro(StatoProgramma &stato);

// The table is full: nothing more is recorded.
bool registroPieno(const StatoProgramma &stato);

// The number of filled or parting rows the viewer shows: rows 1..this.
int righeRegistroUsate(const StatoProgramma &stato);
