#pragma once

#include "core/Impostazioni.h"

#include <QList>
#include <QString>

#include <optional>

// The words of the house colours follow the language: a colour slot that
// still holds the starting colour and words of one language takes those of
// the chosen language, so an English player reads "The roof is red." Words a
// teacher typed, or a slot given another colour, are never changed.

// The starting colour table of a language file: the colours of
// ColoriPredefiniti with the words of keys 0420 to 0423 (house colours 1 to
// 4: masculine singular, masculine plural, feminine singular, feminine
// plural, separated by commas; one word stands for all four). nullopt when
// the file lacks a key or a key holds neither one nor four words.
std::optional<TabellaColoriTipo> coloriPredefinitiDi(const QString &fileLingua);

// Each house slot that equals, colour and words, the same slot of one of
// the known tables takes the words of the chosen table. True when a word changed.
bool seguiLingua(TabellaColoriTipo &tabella, const QList<TabellaColoriTipo> &conosciute,
                 const TabellaColoriTipo &scelta);

// The same with every language file of the program known (and the built-in
// starting words always), and the current language chosen. Nothing changes
// when the current language file gives no starting words.
bool coloriNellaLinguaCorrente(TabellaColoriTipo &tabella);
