// frasi: prints every sentence shape the exercises compose from a language
// file, grouped by exercise, so that the wording can be proofread in one read.
//
//   frasi [--tutte] [--maiuscolo] [--cartella <program folder>] [language]
//
// The language defaults to the one chosen in LangSetting.ini, the program
// folder to the source tree's data/. Colour words are the default ones.
// Sentences are shown between « »; a line that joins badly (double space,
// space before punctuation, spaces at the ends, a small first letter where the
// text is shown as written) is marked with "!!" and counted at the end.
// --tutte prints every pair of clauses instead of one pair per clause shape.

#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Percorsi.h"
#include "exercises/caratteristiche/Caratteristiche.h"
#include "exercises/es2/Esercizio2.h"
#include "exercises/es4/Esercizio4.h"
#include "exercises/es5/Esercizio5.h"
#include "tools/frasi/Composizioni.h"
#include "vocabulary/Parole.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

#include <vector>

namespace {

const char *const kNomiParti[9] = {"", "comignolo", "tetto", "pareti", "finestre",
                                   "porta", "gradino", "fumo", "nuvole"};

QString nomeParte(int parte)
{
    return QString::fromLatin1(kNomiParti[parte]);
}

QString chiave(int numero)
{
    return QStringLiteral("%1").arg(numero, 4, 10, QLatin1Char('0'));
}

QString visibile(const QString &testo)
{
    QString t = testo;
    t.replace(QStringLiteral("\r\n"), QStringLiteral(" ⏎ "));
    t.replace(QLatin1Char('\n'), QStringLiteral(" ⏎ "));
    return QStringLiteral("«") + t + QStringLiteral("»");
}

struct Controlli
{
    bool estremi = true;  // no space at either end
    bool iniziale = false; // the text is shown as written: it must start with a capital
};

class Uscita
{
public:
    Uscita() : m_out(stdout) {}

    void titolo(const QString &testo)
    {
        m_out << "\n==== " << testo << " ====\n";
    }
    void sezione(const QString &testo) { m_out << "\n-- " << testo << '\n'; }
    void nota(const QString &testo) { m_out << "   (" << testo << ")\n"; }

    // One line: a label and one or more texts, each checked.
    void riga(const QString &etichetta, const QStringList &testi, Controlli c = {})
    {
        QStringList mostrati;
        QStringList trovati;
        for (const QString &t : testi) {
            mostrati << visibile(t);
            for (const QString &d : difetti(t, c)) {
                if (!trovati.contains(d))
                    trovati << d;
            }
        }
        m_out << "  " << etichetta.leftJustified(14) << ' ' << mostrati.join(QStringLiteral("  ")) << '\n';
        if (!trovati.isEmpty()) {
            m_out << "  " << QString(14, QLatin1Char(' ')) << " !! " << trovati.join(QStringLiteral("; ")) << '\n';
            for (const QString &d : trovati)
                ++m_difetti[d];
        }
    }
    void riga(const QString &etichetta, const QString &testo, Controlli c = {})
    {
        riga(etichetta, QStringList{testo}, c);
    }

    void riepilogo()
    {
        titolo(QStringLiteral("Riepilogo"));
        if (m_difetti.isEmpty()) {
            m_out << "  nessuna riga segnalata\n";
            return;
        }
        for (auto it = m_difetti.cbegin(); it != m_difetti.cend(); ++it)
            m_out << "  " << it.value() << " righe: " << it.key() << '\n';
    }

private:
    static QStringList difetti(const QString &t, Controlli c)
    {
        static const QRegularExpression spazioPrima(QStringLiteral("\\s[.,;:!?]"));
        static const QRegularExpression dopoVirgola(QStringLiteral("[,;](?=\\S)"));
        static const QRegularExpression doppia(QStringLiteral("[,;:]\\s*[.,;:]|\\.\\s*[,;:]|\\.\\."));
        QStringList d;
        if (t.trimmed().isEmpty()) {
            d << QStringLiteral("testo vuoto");
            return d;
        }
        if (t.contains(QStringLiteral("  ")))
            d << QStringLiteral("doppio spazio");
        if (t.contains(spazioPrima))
            d << QStringLiteral("spazio prima della punteggiatura");
        if (t.contains(dopoVirgola))
            d << QStringLiteral("manca lo spazio dopo la virgola");
        if (t.contains(doppia))
            d << QStringLiteral("punteggiatura doppia");
        if (c.estremi && (t.front().isSpace() || t.back().isSpace()))
            d << QStringLiteral("spazio all'inizio o alla fine");
        if (c.iniziale && t.trimmed().front().isLower())
            d << QStringLiteral("iniziale minuscola");
        return d;
    }

    QTextStream m_out;
    QMap<QString, int> m_difetti;
};

// Clauses of "Vero o falso", one per shape: every coloured part affirmative
// and negative (the colours rotate so that every word form shows up), smoke
// and clouds present and absent.
std::vector<Clausola> clausoleVeroFalso()
{
    std::vector<Clausola> c;
    for (int p = Comignolo; p <= Gradino; ++p) {
        c.push_back({p, true, (p - 1) % 4 + 1});
        c.push_back({p, false, p % 4 + 1});
    }
    for (int p = Fumo; p <= Nuvole; ++p) {
        c.push_back({p, true, 1});
        c.push_back({p, true, 0});
    }
    return c;
}

QString livelliVeroFalso(const Clausola &a, const Clausola &b)
{
    const bool colorateA = a.parte < Fumo;
    const bool colorateB = b.parte < Fumo;
    const bool tutteAff = (!colorateA || a.affermativa) && (!colorateB || b.affermativa);
    const bool tutteNeg = (!colorateA || !a.affermativa) && (!colorateB || !b.affermativa);
    QStringList l;
    if (tutteAff)
        l << QStringLiteral("4");
    if (tutteNeg)
        l << QStringLiteral("5");
    l << QStringLiteral("6");
    return QStringLiteral("liv. ") + l.join(QLatin1Char(','));
}

void veroFalso(Uscita &u, const Vocabolario &v, bool tutte, bool maiuscolo)
{
    u.titolo(QStringLiteral("Vero o falso (FormEs1)"));
    for (int livello = 1; livello <= 2; ++livello) {
        const bool aff = livello == 1;
        u.sezione(aff ? QStringLiteral("Livello 1: una frase affermativa")
                      : QStringLiteral("Livello 2: una frase negativa"));
        for (int p = Comignolo; p <= Gradino; ++p) {
            QStringList frasi;
            for (int c = 1; c <= 4; ++c)
                frasi << fraseVeroFalso(v, {p, aff, c}, maiuscolo);
            u.riga(nomeParte(p), frasi);
        }
        for (int p = Fumo; p <= Nuvole; ++p)
            u.riga(nomeParte(p), {fraseVeroFalso(v, {p, true, 1}, maiuscolo),
                                  fraseVeroFalso(v, {p, true, 0}, maiuscolo)});
    }
    u.sezione(QStringLiteral("Livello 3: le frasi dei livelli 1 e 2, mescolate"));
    u.sezione(QStringLiteral("Livelli 4-6: due frasi unite"));
    const std::vector<Clausola> c = clausoleVeroFalso();
    const size_t n = c.size();
    if (tutte) {
        for (const Clausola &a : c) {
            for (const Clausola &b : c) {
                if (a.parte != b.parte)
                    u.riga(livelliVeroFalso(a, b), fraseVeroFalso(v, a, b, maiuscolo));
            }
        }
        return;
    }
    u.nota(QStringLiteral("ogni forma una volta come prima e una volta come seconda frase; --tutte per tutte le coppie"));
    for (size_t i = 0; i < n; ++i) {
        const Clausola &a = c[i];
        const Clausola &b = c[(i + 2) % n]; // the next part: never the same one
        u.riga(livelliVeroFalso(a, b), fraseVeroFalso(v, a, b, maiuscolo));
    }
}

void ugualeDiverso(Uscita &u, const Vocabolario &v, bool maiuscolo)
{
    u.titolo(QStringLiteral("Uguale - diverso (FormEs2)"));
    u.nota(QStringLiteral("frase come scritta, senza punto; pulsanti; frase completata dalla risposta col mouse"));
    for (int livello = 1; livello <= 2; ++livello) {
        const bool aff = livello == 1;
        u.sezione(aff ? QStringLiteral("Livello 1: affermativa") : QStringLiteral("Livello 2: negativa"));
        for (int p = Comignolo; p <= Nuvole; ++p) {
            // Composed by the exercise's own code, as the window shows it.
            const QString stile = maiuscolo ? QStringLiteral("maiuscolo") : QStringLiteral("minuscolo");
            const QString frase = Esercizio2::applicaStile(Esercizio2::fraseAperta(v.parole(), p, aff), stile);
            const auto [ugualeLetta, diversoLetta] = Esercizio2::didascalie(v.parole(), p);
            const QString uguale = Esercizio2::applicaStile(ugualeLetta, stile);
            const QString diverso = Esercizio2::applicaStile(diversoLetta, stile);
            Controlli aperta;
            aperta.estremi = false;
            aperta.iniziale = true;
            u.riga(nomeParte(p), {frase}, aperta);
            u.riga(QStringLiteral("  pulsanti"), {uguale, diverso});
            Controlli completa;
            completa.iniziale = true;
            u.riga(QStringLiteral("  completata"), {Esercizio2::completa(v.parole(), frase, uguale),
                                                    Esercizio2::completa(v.parole(), frase, diverso)},
                   completa);
        }
    }
    u.sezione(QStringLiteral("Livello 3: le frasi dei livelli 1 e 2, mescolate"));
}

void consegne(Uscita &u, const Vocabolario &v)
{
    Controlli c;
    c.iniziale = true;
    u.titolo(QStringLiteral("Uguali - 1° (FormEs8)"));
    u.riga(QStringLiteral("consegna"), v.T(QStringLiteral("0073")), c);
    u.titolo(QStringLiteral("Uguali - 2° (FormEs3)"));
    u.riga(QStringLiteral("mouse"), v.T(QStringLiteral("0101")), c);
    u.riga(QStringLiteral("scansione"), v.T(QStringLiteral("0102")), c);
}

// The sentences as the window composes them.
void colora(Uscita &u, const Esercizio4 &es, bool maiuscolo)
{
    const QString stile = maiuscolo ? QStringLiteral("maiuscolo") : QStringLiteral("minuscolo");
    u.titolo(QStringLiteral("Colora la pinnola (FormEs4)"));
    u.nota(QStringLiteral("frasi come scritte, col punto"));
    Controlli c;
    c.iniziale = true;
    for (int livello = 1; livello <= 2; ++livello) {
        const bool aff = livello == 1;
        u.sezione(aff ? QStringLiteral("Affermative (livelli 1, 3, 4, 6)")
                      : QStringLiteral("Negative (livelli 2, 3, 5, 6)"));
        for (int p = Comignolo; p <= Gradino; ++p) {
            QStringList frasi;
            for (int s = 1; s <= 4; ++s)
                frasi << es.ComponiFrase(p, aff, s, stile);
            u.riga(nomeParte(p), frasi, c);
        }
    }
}

using Fatto = Esercizio5::Fatto;

// Every fact of "Insiemi": each coloured part with each colour, smoke and
// clouds present and absent.
std::vector<Fatto> fattiInsiemi()
{
    std::vector<Fatto> f;
    for (int p = Comignolo; p <= Gradino; ++p) {
        for (int s = 1; s <= 4; ++s)
            f.push_back({p, s});
    }
    for (int p = Fumo; p <= Nuvole; ++p) {
        f.push_back({p, 1});
        f.push_back({p, 0});
    }
    return f;
}

QString etichettaFatto(const Fatto &f)
{
    if (f.parte >= Fumo)
        return nomeParte(f.parte) + (f.valore ? QStringLiteral(" sì") : QStringLiteral(" no"));
    return nomeParte(f.parte);
}

// The sentences as the window composes them.
void insiemi(Uscita &u, const Esercizio5 &es, bool tutte, bool maiuscolo)
{
    const QString stile = maiuscolo ? QStringLiteral("maiuscolo") : QStringLiteral("minuscolo");
    u.titolo(QStringLiteral("Insiemi (FormEs5)"));
    const std::vector<Fatto> f = fattiInsiemi();
    const size_t n = f.size();
    u.sezione(QStringLiteral("Livello 1: una caratteristica"));
    for (int p = Comignolo; p <= Nuvole; ++p) {
        QStringList frasi;
        for (const Fatto &a : f) {
            if (a.parte == p)
                frasi << es.componiFrase(1, a, a, stile);
        }
        u.riga(nomeParte(p), frasi);
    }
    const char *const titoli[] = {"", "", "Livello 2: tutte e due", "Livello 3: almeno una",
                                  "Livello 4: una sola"};
    for (int livello = 2; livello <= 4; ++livello) {
        u.sezione(QString::fromUtf8(titoli[livello]));
        if (tutte) {
            for (const Fatto &a : f) {
                for (const Fatto &b : f) {
                    if (a.parte != b.parte)
                        u.riga(QStringLiteral("+ ") + etichettaFatto(b), es.componiFrase(livello, a, b, stile));
                }
            }
            continue;
        }
        u.nota(QStringLiteral("ogni seconda caratteristica una volta, la prima a rotazione; --tutte per tutte le coppie"));
        for (size_t i = 0; i < n; ++i) {
            size_t j = (i + 5) % n;
            while (f[j].parte == f[i].parte)
                j = (j + 1) % n;
            u.riga(QStringLiteral("+ ") + etichettaFatto(f[i]), es.componiFrase(livello, f[j], f[i], stile));
        }
    }
}

// The characteristic lists, composed by the exercise itself: every line it
// can write, each coloured part with each colour, smoke and clouds present
// and absent.
void caratteristiche(Uscita &u, const Vocabolario &v, const TabellaParoleTipo &parole,
                     const TabellaColoriTipo &colori, bool indovinaChi, bool maiuscolo)
{
    u.titolo(indovinaChi ? QStringLiteral("Indovina chi? (FormEs7)")
                         : QStringLiteral("Trova gli intrusi (FormEs6)"));
    u.nota(QStringLiteral("una riga dell'elenco per caratteristica"));
    FonteScriptata nessunaEstrazione;
    const EsercizioCaratteristiche es(nessunaEstrazione, parole, colori,
                                      v.T(indovinaChi ? QStringLiteral("0081") : QStringLiteral("0104")));
    const QString stile = maiuscolo ? QStringLiteral("maiuscolo") : QStringLiteral("minuscolo");
    const auto riga = [&](int parte, int valore) {
        return EsercizioCaratteristiche::rigaScritta(es.fraseCaratteristica(parte, valore), stile);
    };
    for (int p = Comignolo; p <= Gradino; ++p) {
        QStringList frasi;
        for (int s = 1; s <= 4; ++s)
            frasi << riga(p, s);
        u.riga(nomeParte(p), frasi);
    }
    for (int p = Fumo; p <= Nuvole; ++p)
        u.riga(nomeParte(p), {riga(p, 1), riga(p, 0)});
}

void altriTesti(Uscita &u, const Vocabolario &v)
{
    const auto T = [&v](int k) { return v.T(chiave(k)); };
    Controlli iniz;
    iniz.iniziale = true;
    u.titolo(QStringLiteral("Altri testi composti dal programma"));

    u.sezione(QStringLiteral("Barra di stato e intestazioni"));
    u.riga(QStringLiteral("pannelli"), {T(4) + QLatin1Char(' ') + QStringLiteral("3"),
                                        T(5) + QLatin1Char(' ') + QStringLiteral("1"),
                                        T(105) + QLatin1Char(' ') + QStringLiteral("2")});

    u.sezione(QStringLiteral("Menu principale"));
    u.riga(QStringLiteral("pulsante 2"), T(59) + QLatin1Char('\n') + T(60) + QStringLiteral("\n1°"));
    u.riga(QStringLiteral("pulsante 3"), T(61) + QLatin1Char('\n') + T(62) + QStringLiteral("\n2°"));
    u.riga(QStringLiteral("pulsante 6"), QLatin1Char('\n') + T(63) + QLatin1Char('\n') + T(64), Controlli{false, false});
    QStringList nomi;
    for (int k = 65; k <= 72; ++k)
        nomi << T(k);
    u.riga(QStringLiteral("esercizi"), nomi, iniz);

    u.sezione(QStringLiteral("Configurazione"));
    u.riga(QStringLiteral("etichette"), {T(57) + QStringLiteral("130"), T(58) + QStringLiteral("100"),
                                         T(54) + QStringLiteral("150"), T(55) + QStringLiteral("120")}, iniz);
    u.riga(QStringLiteral("parole colore"), {T(42), T(43), T(44), T(45)}, iniz);
    u.riga(QStringLiteral("fumetto"), {T(46), T(47), T(48), T(49)}, iniz);
    u.riga(QStringLiteral("font"), {T(50), T(51) + QLatin1Char('\n') + T(52), T(53)}, iniz);
    u.riga(QStringLiteral("prova voce"), T(56), iniz);

    u.sezione(QStringLiteral("Avvio"));
    u.riga(QStringLiteral("messaggi"), {T(1), T(6)}, iniz);
    u.riga(QStringLiteral("voce"), {T(3), T(41)});

    u.sezione(QStringLiteral("Esercizi eseguiti"));
    u.riga(QStringLiteral("data"), T(74) + QStringLiteral("03/12/2005"), iniz);
    u.riga(QStringLiteral("colonna"), {T(75), T(76)}, iniz);
    u.riga(QStringLiteral("messaggi"), {T(77), T(78), T(79), T(80)}, iniz);

    u.sezione(QStringLiteral("Stampa"));
    u.riga(QStringLiteral("fuori foglio"), T(93) + QLatin1Char('\n') + T(94) + QLatin1Char('\n') + T(95)
                                               + QStringLiteral("\n\n") + T(96), iniz);
    u.riga(QStringLiteral("titolo"), T(97), iniz);
    u.riga(QStringLiteral("stampante"), T(98), iniz);
    u.riga(QStringLiteral("immagine"), {QStringLiteral("Formato grafico sconosciuto.\n\n") + T(99),
                                        QStringLiteral("Formato grafico sconosciuto.\n\n") + T(100)});

    u.sezione(QStringLiteral("Trova gli intrusi e informazioni"));
    u.riga(QStringLiteral("0103"), T(103), iniz);
    QStringList righe;
    for (int k = 9996; k <= 9999; ++k) {
        if (!T(k).isEmpty())
            righe << T(k);
    }
    u.riga(QStringLiteral("informazioni"), righe, iniz);
}

// Every message key the program looks up must have a text, and every window a caption.
void controllaChiavi(Uscita &u, const QString &fileLingua)
{
    u.titolo(QStringLiteral("Chiavi e titoli mancanti"));
    QStringList mancanti;
    QList<int> numeri{1};
    for (int k = 3; k <= 105; ++k)
        numeri << k;
    for (int k = 9996; k <= 9999; ++k)
        numeri << k;
    for (int k : numeri) {
        if (MLSGetText(chiave(k)).isEmpty())
            mancanti << chiave(k);
    }
    const QStringList finestre{
        QStringLiteral("FormAvvio"), QStringLiteral("FormMenu"), QStringLiteral("FormInfo"),
        QStringLiteral("FormConfigura"), QStringLiteral("FormEserciziEseguiti"), QStringLiteral("FormEs1"),
        QStringLiteral("FormEs2"), QStringLiteral("FormEs3"), QStringLiteral("FormEs4"),
        QStringLiteral("FormEs5"), QStringLiteral("FormEs6"), QStringLiteral("FormEs7"),
        QStringLiteral("FormEs8"), QStringLiteral("Form1"), QStringLiteral("frmStampa")};
    for (const QString &f : finestre) {
        if (MLSReadKey(fileLingua, f, f + QStringLiteral(".Caption")).value_or(QString()).isEmpty())
            mancanti << f + QStringLiteral(".Caption");
    }
    if (mancanti.isEmpty())
        u.nota(QStringLiteral("nessuna"));
    else
        u.riga(QStringLiteral("mancano"), mancanti.join(QStringLiteral(", ")));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList argomenti = app.arguments().mid(1);
    QString cartella = QStringLiteral(PINNOLE_DATA_DIR);
    bool tutte = false;
    bool maiuscolo = false;
    QString lingua;
    for (int i = 0; i < argomenti.size(); ++i) {
        const QString &a = argomenti.at(i);
        if (a == QStringLiteral("--tutte")) {
            tutte = true;
        } else if (a == QStringLiteral("--maiuscolo")) {
            maiuscolo = true;
        } else if (a == QStringLiteral("--cartella") && i + 1 < argomenti.size()) {
            cartella = argomenti.at(++i);
        } else if (a.startsWith(QLatin1Char('-'))) {
            QTextStream(stderr) << "uso: frasi [--tutte] [--maiuscolo] [--cartella <cartella del programma>] [lingua]\n";
            return 2;
        } else {
            lingua = a;
        }
    }

    Percorsi::impostaCartellaProgramma(cartella);
    if (lingua.isEmpty())
        lingua = Lingua::linguaSalvata();
    if (lingua.isEmpty())
        lingua = QStringLiteral("Italiano");
    const QString file = Lingua::fileLingua(lingua);
    if (!QFileInfo(file).isFile()) {
        QTextStream(stderr) << "file di lingua non trovato: " << file << '\n';
        return 1;
    }
    LinguaCorrente() = lingua;

    TabellaParoleTipo parole;
    CaricaParole(parole);
    TabellaColoriTipo colori;
    ColoriPredefiniti(colori);
    const Vocabolario v(parole, colori, [](const QString &k) { return MLSGetText(k); });

    Uscita u;
    QTextStream(stdout) << "Frasi degli esercizi: " << QFileInfo(file).fileName()
                        << (maiuscolo ? " (MAIUSCOLO)" : "") << '\n';
    veroFalso(u, v, tutte, maiuscolo);
    ugualeDiverso(u, v, maiuscolo);
    consegne(u, v);
    FonteScriptata nessunaEstrazione;
    const Esercizio4 es4(nessunaEstrazione, parole, colori);
    colora(u, es4, maiuscolo);
    const Esercizio5 es5(nessunaEstrazione, parole, colori);
    insiemi(u, es5, tutte, maiuscolo);
    caratteristiche(u, v, parole, colori, false, maiuscolo);
    caratteristiche(u, v, parole, colori, true, maiuscolo);
    altriTesti(u, v);
    controllaChiavi(u, file);
    u.riepilogo();
    return 0;
}
