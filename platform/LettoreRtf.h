#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// A small reader of rich-text (RTF) documents, enough for the teachers'
// notes shown from the main menu: groups, paragraphs, line breaks and tabs,
// bold, italic, underline, font size, the font table (font names), the
// colour table, left/centre/right alignment, indents, tab stops, paragraph
// spacing, Windows-1252 characters written as \'hh and Unicode characters
// written as \uN with their fallback skipped (\ucN). Tables of styles,
// document information, pictures and every ignorable destination ({\* ...})
// are skipped; unknown control words are skipped.
//
// Reading never fails: broken input (unbalanced braces, a truncated escape,
// a huge number, binary garbage, an empty file) gives whatever text could be
// read, and the text before the damage keeps its formatting.
class LettoreRtf
{
public:
    // Replaces the content of documento with the text of rtf.
    static void leggi(const QByteArray &rtf, QTextDocument *documento);

    // Reads the file at percorso into documento. False, with documento
    // emptied, when the file cannot be opened.
    static bool leggiFile(const QString &percorso, QTextDocument *documento);
};
