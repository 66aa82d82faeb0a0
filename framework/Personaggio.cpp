#include "framework/Personaggio.h"

#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "layout/ScalaLayout.h"
#include "platform/VoceScansione.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace {

int cifraDi(QChar c)
{
    const char l = c.toLower().toLatin1();
    if (l >= '0' && l <= '9')
        return l - '0';
    if (l >= 'a' && l <= 'f')
        return 10 + l - 'a';
    return -1;
}

// The number a text begins with, read the way the language files' numbers
// have always been read: blanks anywhere are skipped, "&H" and "&O" mark
// hexadecimal and octal numbers, reading stops at the first character that
// is not a digit, and a text with no number gives 0.
int valoreNumerico(const QString &testo)
{
    QString t;
    for (QChar c : testo)
        if (!c.isSpace())
            t.append(c);
    int base = 10;
    int pos = 0;
    bool negativo = false;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        base = 16;
        pos = 2;
    } else if (t.startsWith(QLatin1String("&O"), Qt::CaseInsensitive)) {
        base = 8;
        pos = 2;
    } else if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negativo = t.at(0) == QLatin1Char('-');
        pos = 1;
    }
    qint64 valore = 0;
    for (; pos < t.size(); ++pos) {
        const int cifra = cifraDi(t.at(pos));
        if (cifra < 0 || cifra >= base)
            break;
        valore = std::min<qint64>(valore * base + cifra, std::numeric_limits<int>::max());
    }
    return int(negativo ? -valore : valore);
}

QString parolePropriamente(const QString &testo)
{
    QString risultato = testo.toLower();
    bool inizioParola = true;
    for (QChar &c : risultato) {
        if (inizioParola)
            c = c.toUpper();
        inizioParola = c.isSpace();
    }
    return risultato;
}

} // namespace

std::unique_ptr<Agente> CaricaPersonaggio()
{
    const Impostazioni &imp = Stato().imp;
    std::unique_ptr<Agente> personaggio = creaAgente();
    if (!personaggio->Load(imp.NomePersonaggio)
        && imp.NomePersonaggio.compare(kPersonaggioPredefinito, Qt::CaseInsensitive) != 0)
        personaggio->Load(kPersonaggioPredefinito);
    personaggio->SetLanguageID(valoreNumerico(Stato().IdLinguaAgente));
    personaggio->SetBalloonFont(imp.FontFumetto, imp.DimensioneFontFumetto);
    return personaggio;
}

QString componiPrefissoVoce(int velocita, int tono)
{
    return QStringLiteral("\\Spd=%1\\\\Pit=%2\\").arg(velocita).arg(tono);
}

void ImpostaMerlino(Agente &personaggio)
{
    const Impostazioni &imp = Stato().imp;
    Stato().PrefissoVoce = componiPrefissoVoce(imp.VelocitaVoce, imp.TonoVoce);
    int stile = personaggio.BalloonStyle();
    stile = imp.FumettoVisibile ? (stile | Agente::FumettoVisibile) : (stile & ~Agente::FumettoVisibile);
    stile = imp.FumettoContieneTesto ? (stile | Agente::FumettoContieneTesto)
                                     : (stile & ~Agente::FumettoContieneTesto);
    personaggio.SetBalloonStyle(stile);
    personaggio.SetBalloonFont(imp.FontFumetto, imp.DimensioneFontFumetto);
    personaggio.SetTTSModeID(imp.ModoVoceTTS);
}

void MostraPersonaggio(Agente &personaggio, const QWidget &PicMerlino, const QRect &zonaFumetto)
{
    personaggio.Show();
    PosizionaPersonaggio(personaggio, PicMerlino, zonaFumetto);
}

QRect postoDelMarcatore(const QWidget &PicMerlino)
{
    // A third of the marker is taken in twips, the marker's own unit, and
    // only then rounded to the nearest pixel: an 89-pixel marker is 1335
    // twips, a third is 445 twips, 29.67 pixels, so the corner lies 30
    // pixels in, not 29.
    const QPoint terzo(pixelDaTwips(twipsDaPixel(PicMerlino.width()) / 3),
                       pixelDaTwips(twipsDaPixel(PicMerlino.height()) / 3));
    // In the window's own coordinates: where the window itself lies on the
    // screen (a second monitor, a compositor that keeps it secret) does not
    // matter.
    const QPoint angolo = PicMerlino.mapTo(PicMerlino.window(), terzo);
    return QRect(angolo, QSize(std::max(1, PicMerlino.width() - terzo.x()), std::max(1, PicMerlino.height() - terzo.y())));
}

qreal scalaFumetto(const QWidget &finestra)
{
    return finestra.height() > 0 ? std::max(1.0, finestra.height() / 768.0) : 1.0;
}

void PosizionaPersonaggio(Agente &personaggio, const QWidget &PicMerlino, const QRect &zonaFumetto)
{
    QWidget *finestra = PicMerlino.window();
    const QRect figura = postoDelMarcatore(PicMerlino);

    // The balloon may use the window from the marker's left edge rightwards
    // (the house stands on the left), and its font grows with the window's
    // height beyond 768 pixels.
    QRect zona;
    if (const QWidget *area = PicMerlino.parentWidget()) {
        zona = zonaFumetto.isEmpty() ? QRect(PicMerlino.x(), 0, area->width() - PicMerlino.x(), area->height())
                                     : zonaFumetto;
        zona.moveTopLeft(area->mapTo(finestra, zona.topLeft()));
    }
    personaggio.impostaFinestra(finestra, zona, scalaFumetto(*finestra));

    // The figure fills the rest of the marker, whatever the window's size,
    // so it grows with the window and never reaches the controls beside it.
    personaggio.SetSize(figura.width(), figura.height());
    personaggio.MoveTo(figura.x(), figura.y());
}

void PosizionaPersonaggioIn(Agente &personaggio, QWidget &finestra, const QRect &figura, const QRect &zonaFumetto)
{
    // A zone too small for any line is how the balloon learns there is no room.
    const QRect zona = zonaFumetto.isEmpty() ? QRect(figura.topLeft(), QSize(1, 1)) : zonaFumetto;
    personaggio.impostaFinestra(&finestra, zona, scalaFumetto(finestra));
    personaggio.SetSize(std::max(1, figura.width()), std::max(1, figura.height()));
    personaggio.MoveTo(figura.x(), figura.y());
}

void LeggiTesto(Agente &personaggio, const QString &testo)
{
    // The name spoken scanning may be saying gives way to the sentence.
    voceScansione().taci();
    personaggio.StopAll();
    personaggio.Speak(Stato().PrefissoVoce + testo);
}

QStringList ElencoPersonaggi()
{
    const QDir cartella(Percorsi::programma(QStringLiteral("personaggi")));
    QStringList nomi;
    const QFileInfoList voci = cartella.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &voce : voci) {
        const QString file = voce.fileName();
        if (file.size() > 4 && file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
            nomi.append(parolePropriamente(file.left(file.size() - 4)));
    }
    nomi.removeDuplicates();
    std::sort(nomi.begin(), nomi.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return nomi;
}
