#include "platform/LettoreRtf.h"

#include "core/TestoFile.h"

#include <QColor>
#include <QFile>
#include <QHash>
#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Groups nested deeper than this are counted but share the state of the
// deepest kept group, so a file of a million '{' costs no memory.
constexpr int kProfonditaMassima = 512;

// Numeric parameters are read whole but saturate here, so a parameter of a
// hundred digits neither overflows nor loses the text after it.
constexpr qint64 kParametroMassimo = 1'000'000'000;

// Twips per pixel at 96 dots per inch (1440 twips to the inch).
constexpr double kTwipPerPixel = 15.0;

// Destinations whose text is never shown. Every {\* ...} group is skipped as
// well, since this reader knows none of the ignorable destinations.
bool destinazioneDaSaltare(const QByteArray &parola)
{
    static const QList<QByteArray> nomi = {
        "stylesheet", "info", "pict", "object", "shp", "shppict", "nonshppict",
        "header", "headerl", "headerr", "headerf",
        "footer", "footerl", "footerr", "footerf", "footnote",
        "fldinst", "themedata", "colorschememapping", "latentstyles", "datastore",
        "xmlnstbl", "listtable", "listoverridetable", "rsidtbl", "generator",
        "mmathPr", "filetbl", "revtbl", "pgdsctbl", "bkmkstart", "bkmkend",
        "xe", "tc", "template", "userprops", "docvar", "pn",
    };
    return nomi.contains(parola);
}

enum class Destinazione { Testo, Salta, TabellaFont, TabellaColori };

// What a group changes and its closing brace restores.
struct Stato
{
    Destinazione destinazione = Destinazione::Testo;
    // Characters.
    bool grassetto = false;
    bool corsivo = false;
    bool sottolineato = false;
    bool barrato = false;
    int mezziPunti = 24;
    int font = -1;
    int colore = 0;
    int sfondo = 0;
    int saltoUnicode = 1;
    // Paragraphs (twips).
    Qt::Alignment allineamento = Qt::AlignLeft;
    int rientroSinistro = 0;
    int rientroDestro = 0;
    int rientroPrimaRiga = 0;
    int spazioPrima = 0;
    int spazioDopo = 0;
    std::array<int, 16> tabulazioni = {};
    int numeroTabulazioni = 0;

    bool stessiCaratteri(const Stato &altro) const
    {
        return grassetto == altro.grassetto && corsivo == altro.corsivo
            && sottolineato == altro.sottolineato && barrato == altro.barrato
            && mezziPunti == altro.mezziPunti && font == altro.font
            && colore == altro.colore && sfondo == altro.sfondo;
    }
};

class Analizzatore
{
public:
    Analizzatore(const QByteArray &rtf, QTextDocument *documento)
        : m_rtf(rtf), m_cursore(documento)
    {
    }

    void esegui()
    {
        const qsizetype fine = m_rtf.size();
        while (m_pos < fine) {
            const char c = m_rtf.at(m_pos++);
            switch (c) {
            case '{':
                apriGruppo();
                break;
            case '}':
                chiudiGruppo();
                break;
            case '\\':
                controllo();
                break;
            case '\r':
            case '\n':
            case '\0':
                // Line ends of the source are not text; NUL bytes are padding.
                break;
            default:
                byteDiTesto(static_cast<unsigned char>(c));
                break;
            }
        }
        scriviTestoInSospeso();
        // The last paragraph has no \par: it keeps the properties its text
        // was written with, even when the closing braces restored others.
        m_cursore.setBlockFormat(formatoBlocco(m_testoNelParagrafo ? m_statoParagrafo : m_stato));
    }

private:
    void apriGruppo()
    {
        m_daSaltare = 0;
        if (m_pila.size() >= kProfonditaMassima) {
            ++m_gruppiOltre;
            return;
        }
        m_pila.push_back(m_stato);
    }

    void chiudiGruppo()
    {
        m_daSaltare = 0;
        if (m_gruppiOltre > 0) {
            --m_gruppiOltre;
            return;
        }
        if (m_pila.empty())
            return; // a closing brace too many: nothing to restore
        if (m_stato.destinazione == Destinazione::TabellaFont)
            chiudiVoceFont();
        m_stato = m_pila.back();
        m_pila.pop_back();
    }

    void controllo()
    {
        if (m_pos >= m_rtf.size())
            return; // a backslash at the very end
        const char c = m_rtf.at(m_pos);
        if (isLettera(c)) {
            parolaDiControllo();
            return;
        }
        ++m_pos;
        if (c == '\'') {
            int byte = 0;
            int cifre = 0;
            while (cifre < 2 && m_pos < m_rtf.size()) {
                const int valore = valoreEsadecimale(m_rtf.at(m_pos));
                if (valore < 0)
                    break;
                byte = byte * 16 + valore;
                ++cifre;
                ++m_pos;
            }
            if (saltaFallback())
                return;
            // An escape with fewer than two hex digits stands for nothing.
            if (cifre == 2)
                byteDecodificato(static_cast<unsigned char>(byte));
            return;
        }
        if (saltaFallback())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            carattere(QChar::fromLatin1(c));
            break;
        case '~':
            carattere(QChar(0x00A0));
            break;
        case '_':
            carattere(QChar(0x2011));
            break;
        case '*':
            m_stato.destinazione = Destinazione::Salta;
            break;
        case '\r':
        case '\n':
            paragrafo();
            break;
        default:
            // \- (optional hyphen), \: (index entry) and any other symbol.
            break;
        }
    }

    void parolaDiControllo()
    {
        QByteArray parola;
        while (m_pos < m_rtf.size() && isLettera(m_rtf.at(m_pos))) {
            if (parola.size() < 64)
                parola.append(m_rtf.at(m_pos));
            ++m_pos;
        }
        bool conParametro = false;
        qint64 parametro = 0;
        bool negativo = false;
        // A hyphen after the letters always belongs to the parameter.
        if (m_pos < m_rtf.size() && m_rtf.at(m_pos) == '-') {
            negativo = true;
            ++m_pos;
        }
        while (m_pos < m_rtf.size() && isCifra(m_rtf.at(m_pos))) {
            conParametro = true;
            parametro = std::min(parametro * 10 + (m_rtf.at(m_pos) - '0'), kParametroMassimo);
            ++m_pos;
        }
        if (m_pos < m_rtf.size() && m_rtf.at(m_pos) == ' ')
            ++m_pos; // the space that ends a control word belongs to it
        if (negativo)
            parametro = -parametro;

        if (parola == "bin") {
            // Binary data may hold any byte, braces included: step over it.
            const qint64 resto = m_rtf.size() - m_pos;
            m_pos += std::clamp<qint64>(conParametro ? parametro : 0, 0, resto);
            return;
        }
        if (saltaFallback())
            return;
        if (m_stato.destinazione == Destinazione::Salta)
            return;

        const int n = static_cast<int>(parametro);
        if (parola == "fonttbl") {
            m_stato.destinazione = Destinazione::TabellaFont;
            m_fontInCorso = -1;
            m_nomeFont.clear();
            return;
        }
        if (parola == "colortbl") {
            m_stato.destinazione = Destinazione::TabellaColori;
            azzeraComponenti();
            return;
        }
        if (destinazioneDaSaltare(parola)) {
            m_stato.destinazione = Destinazione::Salta;
            return;
        }
        switch (m_stato.destinazione) {
        case Destinazione::TabellaFont:
            if (parola == "f" && conParametro) {
                chiudiVoceFont();
                m_fontInCorso = n;
            }
            return;
        case Destinazione::TabellaColori:
            if (parola == "red" || parola == "green" || parola == "blue") {
                const int valore = std::clamp(n, 0, 255);
                (parola == "red" ? m_rosso : parola == "green" ? m_verde : m_blu) = valore;
                m_componenti = true;
            }
            return;
        case Destinazione::Salta:
            return;
        case Destinazione::Testo:
            break;
        }
        parolaDiTesto(parola, conParametro, n);
    }

    // A control word of the document's body.
    void parolaDiTesto(const QByteArray &parola, bool conParametro, int n)
    {
        const bool acceso = !conParametro || n != 0;
        Stato &s = m_stato;
        if (parola == "par" || parola == "page" || parola == "sect" || parola == "row")
            paragrafo();
        else if (parola == "line")
            carattere(QChar::LineSeparator);
        else if (parola == "tab" || parola == "cell")
            carattere(QLatin1Char('\t'));
        else if (parola == "u") {
            // A negative parameter is the 16-bit code written as signed.
            const int codice = n < 0 ? n + 65536 : n;
            if ((codice >= 0x20 || codice == '\t') && codice <= 0xFFFF)
                carattere(QChar(static_cast<char16_t>(codice)));
            m_daSaltare = s.saltoUnicode;
        } else if (parola == "uc")
            s.saltoUnicode = std::clamp(n, 0, 16);
        else if (parola == "b")
            s.grassetto = acceso;
        else if (parola == "i")
            s.corsivo = acceso;
        else if (parola == "ul" || parola == "uld" || parola == "uldb" || parola == "ulw"
                 || parola == "uldash" || parola == "ulwave" || parola == "ulth")
            s.sottolineato = acceso;
        else if (parola == "ulnone")
            s.sottolineato = false;
        else if (parola == "strike")
            s.barrato = acceso;
        else if (parola == "fs")
            s.mezziPunti = conParametro && n > 0 ? std::min(n, 2000) : 24;
        else if (parola == "f")
            s.font = n;
        else if (parola == "deff") {
            m_fontPredefinito = n;
            if (s.font < 0)
                s.font = n;
        } else if (parola == "cf")
            s.colore = n;
        else if (parola == "cb" || parola == "highlight")
            s.sfondo = n;
        else if (parola == "plain") {
            const Stato predefinito;
            s.grassetto = predefinito.grassetto;
            s.corsivo = predefinito.corsivo;
            s.sottolineato = predefinito.sottolineato;
            s.barrato = predefinito.barrato;
            s.mezziPunti = predefinito.mezziPunti;
            s.font = m_fontPredefinito;
            s.colore = predefinito.colore;
            s.sfondo = predefinito.sfondo;
        } else if (parola == "pard") {
            const Stato predefinito;
            s.allineamento = predefinito.allineamento;
            s.rientroSinistro = predefinito.rientroSinistro;
            s.rientroDestro = predefinito.rientroDestro;
            s.rientroPrimaRiga = predefinito.rientroPrimaRiga;
            s.spazioPrima = predefinito.spazioPrima;
            s.spazioDopo = predefinito.spazioDopo;
            s.numeroTabulazioni = 0;
        } else if (parola == "tx") {
            if (s.numeroTabulazioni < int(s.tabulazioni.size()))
                s.tabulazioni[s.numeroTabulazioni++] = std::max(0, misura(n));
        } else if (parola == "ql")
            s.allineamento = Qt::AlignLeft;
        else if (parola == "qc")
            s.allineamento = Qt::AlignHCenter;
        else if (parola == "qr")
            s.allineamento = Qt::AlignRight;
        else if (parola == "qj")
            s.allineamento = Qt::AlignJustify;
        else if (parola == "li")
            s.rientroSinistro = misura(n);
        else if (parola == "ri")
            s.rientroDestro = misura(n);
        else if (parola == "fi")
            s.rientroPrimaRiga = misura(n);
        else if (parola == "sb")
            s.spazioPrima = std::max(0, misura(n));
        else if (parola == "sa")
            s.spazioDopo = std::max(0, misura(n));
        else if (parola == "emdash")
            carattere(QChar(0x2014));
        else if (parola == "endash")
            carattere(QChar(0x2013));
        else if (parola == "bullet")
            carattere(QChar(0x2022));
        else if (parola == "lquote")
            carattere(QChar(0x2018));
        else if (parola == "rquote")
            carattere(QChar(0x2019));
        else if (parola == "ldblquote")
            carattere(QChar(0x201C));
        else if (parola == "rdblquote")
            carattere(QChar(0x201D));
        else if (parola == "emspace" || parola == "enspace" || parola == "qmspace")
            carattere(QLatin1Char(' '));
        // Every other control word is skipped.
    }

    // Distances in twips, kept within half a metre either way.
    static int misura(int twip) { return std::clamp(twip, -28'000, 28'000); }

    void byteDiTesto(unsigned char byte)
    {
        if (saltaFallback())
            return;
        byteDecodificato(byte);
    }

    void byteDecodificato(unsigned char byte)
    {
        switch (m_stato.destinazione) {
        case Destinazione::Salta:
            return;
        case Destinazione::TabellaColori:
            if (byte == ';') {
                m_colori.append(m_componenti ? QColor(m_rosso, m_verde, m_blu) : QColor());
                azzeraComponenti();
            }
            return;
        case Destinazione::TabellaFont:
            if (byte == ';')
                chiudiVoceFont();
            else if (m_fontInCorso >= 0 && m_nomeFont.size() < 256)
                m_nomeFont.append(carattere1252(byte));
            return;
        case Destinazione::Testo:
            break;
        }
        if (byte < 0x20 && byte != '\t')
            return;
        const QChar ch = carattere1252(byte);
        if (!ch.isNull())
            carattere(ch);
    }

    // Unassigned bytes give a null character, which is dropped.
    static QChar carattere1252(unsigned char byte) { return QChar(TestoFile::carattere1252(byte)); }

    // True when the character just read is the fallback of a \uN and must
    // not be shown.
    bool saltaFallback()
    {
        if (m_daSaltare <= 0)
            return false;
        --m_daSaltare;
        return true;
    }

    void carattere(QChar ch)
    {
        if (m_stato.destinazione != Destinazione::Testo)
            return;
        if (!m_testo.isEmpty() && !m_statoTesto.stessiCaratteri(m_stato))
            scriviTestoInSospeso();
        if (m_testo.isEmpty())
            m_statoTesto = m_stato;
        m_testo.append(ch);
        m_statoParagrafo = m_stato;
        m_testoNelParagrafo = true;
    }

    void paragrafo()
    {
        if (m_stato.destinazione != Destinazione::Testo)
            return;
        scriviTestoInSospeso();
        const QTextCharFormat caratteri = formatoCaratteri(m_stato);
        m_cursore.setBlockFormat(formatoBlocco(m_stato));
        m_cursore.setBlockCharFormat(caratteri);
        m_cursore.insertBlock(formatoBlocco(m_stato), caratteri);
        m_testoNelParagrafo = false;
    }

    void scriviTestoInSospeso()
    {
        if (m_testo.isEmpty())
            return;
        m_cursore.insertText(m_testo, formatoCaratteri(m_statoTesto));
        m_testo.clear();
    }

    QTextCharFormat formatoCaratteri(const Stato &s) const
    {
        QTextCharFormat f;
        f.setFontWeight(s.grassetto ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.corsivo);
        f.setFontUnderline(s.sottolineato);
        f.setFontStrikeOut(s.barrato);
        f.setFontPointSize(s.mezziPunti / 2.0);
        const auto nome = m_font.constFind(s.font);
        if (nome != m_font.constEnd() && !nome->isEmpty())
            f.setFontFamilies(QStringList{*nome});
        // Index 0 of the colour table, and any index it lacks, is the
        // automatic colour: the view's own.
        if (s.colore > 0 && s.colore < m_colori.size() && m_colori.at(s.colore).isValid())
            f.setForeground(m_colori.at(s.colore));
        if (s.sfondo > 0 && s.sfondo < m_colori.size() && m_colori.at(s.sfondo).isValid())
            f.setBackground(m_colori.at(s.sfondo));
        return f;
    }

    static QTextBlockFormat formatoBlocco(const Stato &s)
    {
        QTextBlockFormat b;
        b.setAlignment(s.allineamento);
        b.setLeftMargin(s.rientroSinistro / kTwipPerPixel);
        b.setRightMargin(s.rientroDestro / kTwipPerPixel);
        b.setTextIndent(s.rientroPrimaRiga / kTwipPerPixel);
        b.setTopMargin(s.spazioPrima / kTwipPerPixel);
        b.setBottomMargin(s.spazioDopo / kTwipPerPixel);
        // RTF measures tab stops from the margin, the layout from where the
        // paragraph's first line starts (left indent plus first-line indent).
        QList<QTextOption::Tab> tabulazioni;
        const int inizioRiga = s.rientroSinistro + s.rientroPrimaRiga;
        for (int i = 0; i < s.numeroTabulazioni; ++i) {
            const double posizione = (s.tabulazioni[i] - inizioRiga) / kTwipPerPixel;
            if (posizione > 0)
                tabulazioni.append(QTextOption::Tab(posizione, QTextOption::LeftTab));
        }
        b.setTabPositions(tabulazioni);
        return b;
    }

    void chiudiVoceFont()
    {
        if (m_fontInCorso >= 0) {
            const QString nome = m_nomeFont.trimmed();
            if (!nome.isEmpty())
                m_font.insert(m_fontInCorso, nome);
        }
        m_fontInCorso = -1;
        m_nomeFont.clear();
    }

    void azzeraComponenti()
    {
        m_rosso = m_verde = m_blu = 0;
        m_componenti = false;
    }

    static bool isLettera(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isCifra(char c) { return c >= '0' && c <= '9'; }
    static int valoreEsadecimale(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    const QByteArray &m_rtf;
    qsizetype m_pos = 0;
    QTextCursor m_cursore;

    Stato m_stato;
    std::vector<Stato> m_pila;
    int m_gruppiOltre = 0;
    int m_daSaltare = 0;

    QString m_testo;
    Stato m_statoTesto;
    Stato m_statoParagrafo;
    bool m_testoNelParagrafo = false;

    QHash<int, QString> m_font;
    int m_fontPredefinito = -1;
    int m_fontInCorso = -1;
    QString m_nomeFont;

    QList<QColor> m_colori;
    int m_rosso = 0;
    int m_verde = 0;
    int m_blu = 0;
    bool m_componenti = false;
};

} // namespace

void LettoreRtf::leggi(const QByteArray &rtf, QTextDocument *documento)
{
    // Loading a document is not an edit the reader could undo.
    const bool annullabile = documento->isUndoRedoEnabled();
    documento->setUndoRedoEnabled(false);
    documento->clear();
    Analizzatore(rtf, documento).esegui();
    documento->setUndoRedoEnabled(annullabile);
}

bool LettoreRtf::leggiFile(const QString &percorso, QTextDocument *documento)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        documento->clear();
        return false;
    }
    leggi(file.readAll(), documento);
    return true;
}
