#include "platform/SvgPartiDocumento.h"

#include "platform/CacheCondivisa.h"
#include "vocabulary/ElementiCasa.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QSvgRenderer>
#include <QXmlStreamReader>


namespace {

const QString kSvgNs = QStringLiteral("http://www.w3.org/2000/svg");

// Elements that draw nothing by themselves: they stay in every layer, so
// gradients, clip paths, styles and animations keep working.
bool disegna(const QXmlStreamReader &lettore)
{
    if (!lettore.namespaceUri().isEmpty() && lettore.namespaceUri() != kSvgNs)
        return false;
    static const QStringList nonDisegnano = {
        QStringLiteral("defs"),           QStringLiteral("title"),
        QStringLiteral("desc"),           QStringLiteral("metadata"),
        QStringLiteral("style"),          QStringLiteral("script"),
        QStringLiteral("linearGradient"), QStringLiteral("radialGradient"),
        QStringLiteral("clipPath"),       QStringLiteral("mask"),
        QStringLiteral("pattern"),        QStringLiteral("symbol"),
        QStringLiteral("marker"),         QStringLiteral("filter"),
        QStringLiteral("font"),           QStringLiteral("font-face"),
        QStringLiteral("animate"),        QStringLiteral("animateTransform"),
        QStringLiteral("animateColor"),   QStringLiteral("animateMotion"),
        QStringLiteral("set"),            QStringLiteral("solidColor"),
    };
    return !nonDisegnano.contains(lettore.name());
}

// The file's text. QtSvg reads UTF-8 unless told otherwise; the declaration is
// dropped so that the layers, written back as UTF-8, say nothing different.
QString decodifica(const QByteArray &contenuto)
{
    QByteArray dati = contenuto;
    if (dati.startsWith("\xEF\xBB\xBF"))
        dati.remove(0, 3);
    QStringDecoder decoder(QStringDecoder::Utf8);
    if (dati.startsWith("<?xml")) {
        const qsizetype fine = dati.indexOf("?>");
        if (fine > 0) {
            static const QRegularExpression codifica(
                QStringLiteral("encoding\\s*=\\s*[\"']([^\"']+)[\"']"));
            const QString dichiarazione = QString::fromLatin1(dati.left(fine));
            const QRegularExpressionMatch m = codifica.match(dichiarazione);
            if (m.hasMatch()) {
                QStringDecoder richiesto(m.captured(1).toLatin1().constData());
                if (richiesto.isValid())
                    decoder = std::move(richiesto);
            }
            dati = dati.mid(fine + 2);
        }
    }
    return decoder(dati);
}

// The value of one declaration in a style attribute, empty when absent.
QString proprietaStile(const QString &stile, const QString &nome)
{
    QString valore;
    for (const QString &dichiarazione : stile.split(QLatin1Char(';'))) {
        const qsizetype dueP = dichiarazione.indexOf(QLatin1Char(':'));
        if (dueP > 0 && dichiarazione.left(dueP).trimmed().compare(nome, Qt::CaseInsensitive) == 0)
            valore = dichiarazione.mid(dueP + 1).trimmed();
    }
    return valore;
}

// Whether an element's own attributes hide it (display none, visibility
// hidden); the style attribute wins over the plain one.
bool nascosto(const QXmlStreamAttributes &attributi)
{
    const QString stile = attributi.value(QStringLiteral("style")).toString();
    QString display = proprietaStile(stile, QStringLiteral("display"));
    if (display.isEmpty())
        display = attributi.value(QStringLiteral("display")).toString().trimmed();
    QString visibility = proprietaStile(stile, QStringLiteral("visibility"));
    if (visibility.isEmpty())
        visibility = attributi.value(QStringLiteral("visibility")).toString().trimmed();
    return display == QLatin1String("none") || visibility == QLatin1String("hidden")
        || visibility == QLatin1String("collapse");
}

// Removes an attribute and the style declaration of the same name from a
// start tag. The name must be followed by '=' or ':' so "fill-opacity"
// survives the removal of "fill".
QString togliProprieta(QString tag, const QString &nome)
{
    const QRegularExpression attributo(
        QStringLiteral("\\s+%1\\s*=\\s*(\"[^\"]*\"|'[^']*')").arg(QRegularExpression::escape(nome)));
    tag.remove(attributo);
    static const QRegularExpression stile(QStringLiteral("(\\s+style\\s*=\\s*)(\"([^\"]*)\"|'([^']*)')"));
    const QRegularExpressionMatch m = stile.match(tag);
    if (m.hasMatch()) {
        const QString valore = m.captured(3).isNull() ? m.captured(4) : m.captured(3);
        QStringList tenute;
        for (const QString &dichiarazione : valore.split(QLatin1Char(';'))) {
            const qsizetype dueP = dichiarazione.indexOf(QLatin1Char(':'));
            if (dueP > 0 && dichiarazione.left(dueP).trimmed().compare(nome, Qt::CaseInsensitive) == 0)
                continue;
            tenute << dichiarazione;
        }
        QString nuovo = tenute.join(QLatin1Char(';'));
        nuovo.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
        tag.replace(m.capturedStart(), m.capturedLength(),
                    m.captured(1) + QLatin1Char('"') + nuovo + QLatin1Char('"'));
    }
    return tag;
}

// The stroke width a start tag gives (attribute or style), 1 when it gives none.
double larghezzaTratto(const QString &tag)
{
    static const QRegularExpression larghezza(
        QStringLiteral("stroke-width\\s*[=:]\\s*[\"']?\\s*([0-9]*\\.?[0-9]+)"));
    const QRegularExpressionMatch m = larghezza.match(tag);
    bool ok = false;
    const double valore = m.hasMatch() ? m.captured(1).toDouble(&ok) : 0.0;
    return ok && valore > 0 ? valore : 1.0;
}

QString aggiungiAttributo(const QString &tag, const QString &nome, const QString &valore)
{
    const qsizetype fine = tag.endsWith(QStringLiteral("/>")) ? tag.size() - 2 : tag.size() - 1;
    return tag.left(fine) + QStringLiteral(" %1=\"%2\"").arg(nome, valore) + tag.mid(fine);
}

// Documents in use are shared through weak references; the last few loaded
// stay alive, so switching between the blank and the painted house between
// two items reads neither file again.
using CacheDocumenti = CacheCondivisa<SvgPartiDocumento, 8>;

CacheDocumenti &cacheDocumenti()
{
    static CacheDocumenti cache;
    return cache;
}

} // namespace

SvgPartiDocumento::~SvgPartiDocumento() = default;

std::shared_ptr<const SvgPartiDocumento> SvgPartiDocumento::carica(const QString &percorso)
{
    const QFileInfo info(percorso);
    const QString chiave = info.absoluteFilePath() + QLatin1Char('|')
        + QString::number(info.size()) + QLatin1Char('|')
        + QString::number(info.lastModified().toMSecsSinceEpoch());
    CacheDocumenti &cache = cacheDocumenti();
    if (std::shared_ptr<const SvgPartiDocumento> trovato = cache.trova(chiave))
        return trovato;

    QByteArray contenuto;
    QFile file(percorso);
    if (info.isFile() && file.open(QIODevice::ReadOnly))
        contenuto = file.readAll();
    std::shared_ptr<const SvgPartiDocumento> documento = daBytes(contenuto);
    if (documento->valido()) {
        cache.conserva(chiave, documento);
    }
    return documento;
}

std::shared_ptr<const SvgPartiDocumento> SvgPartiDocumento::daBytes(const QByteArray &contenuto)
{
    std::shared_ptr<SvgPartiDocumento> documento(new SvgPartiDocumento);
    documento->leggi(contenuto);
    return documento;
}

void SvgPartiDocumento::leggi(const QByteArray &contenuto)
{
    m_contenuto = contenuto;
    if (contenuto.isEmpty())
        return;
    QSvgRenderer intero(contenuto);
    if (!intero.isValid())
        return;
    m_valido = true;
    m_animato = intero.animated();
    m_viewBox = intero.viewBoxF();
    if (m_viewBox.isEmpty())
        m_viewBox = QRectF(QPointF(0, 0), intero.defaultSize());

    const QStringList richiesti = ElementiCasa::idRichiesti();
    for (const QString &id : richiesti) {
        if (intero.elementExists(id))
            m_casa = true;
        else
            m_mancanti << id;
    }
    if (!m_casa) {
        m_mancanti.clear();
        return;
    }
    m_testo = decodifica(contenuto);
    if (!costruisciAlbero()) {
        // QtSvg read it but the text cannot be split: show it whole.
        qWarning("House picture: cannot split the file into its parts; drawing it whole");
        m_casa = false;
        m_mancanti.clear();
        return;
    }
    m_stratoDelNodo = QList<int>(m_nodi.size(), -1);
    dividi(m_radice);
    m_renderer.resize(size_t(m_strati.size()) * kVarianti);
}

bool SvgPartiDocumento::costruisciAlbero()
{
    QXmlStreamReader lettore(m_testo);
    QList<int> aperti;
    while (!lettore.atEnd()) {
        const QXmlStreamReader::TokenType token = lettore.readNext();
        if (token == QXmlStreamReader::StartElement) {
            Nodo nodo;
            nodo.fineApertura = int(lettore.characterOffset());
            nodo.inizio = int(m_testo.lastIndexOf(QLatin1Char('<'), nodo.fineApertura - 1));
            nodo.id = lettore.attributes().value(QStringLiteral("id")).toString();
            nodo.nascosto = nascosto(lettore.attributes());
            nodo.genitore = aperti.isEmpty() ? -1 : aperti.last();
            nodo.disegna = disegna(lettore)
                && (nodo.genitore < 0 || m_nodi[nodo.genitore].disegna);
            const int indice = int(m_nodi.size());
            m_nodi.append(nodo);
            if (nodo.genitore >= 0)
                m_nodi[nodo.genitore].figli.append(indice);
            else
                m_radice = indice;
            if (nodo.id == ElementiCasa::nomeParte(ElementiCasa::kFumo) && m_nodoFumo < 0)
                m_nodoFumo = indice;
            if (nodo.id == ElementiCasa::nomeParte(ElementiCasa::kNuvole) && m_nodoNuvole < 0)
                m_nodoNuvole = indice;
            aperti.append(indice);
        } else if (token == QXmlStreamReader::EndElement) {
            const int indice = aperti.takeLast();
            m_nodi[indice].fine = int(lettore.characterOffset());
            const Nodo &nodo = m_nodi[indice];
            if (nodo.genitore >= 0 && nodo.disegna
                && (nodo.contieneColorabili || ElementiCasa::eColorabile(nodo.id)))
                m_nodi[nodo.genitore].contieneColorabili = true;
        }
    }
    return !lettore.hasError() && m_radice >= 0;
}

// Walks the tree in document order: a paintable element becomes a layer of
// its own; a subtree holding no paintable element joins the run of fixed
// artwork before it (a new run starts after each paintable layer and where
// the smoke or clouds group begins or ends); a subtree holding paintable
// elements is opened and its children walked.
void SvgPartiDocumento::dividi(int indice)
{
    const Nodo &nodo = m_nodi[indice];
    if (!nodo.disegna)
        return;
    const int gruppo = gruppoDi(indice);
    if (ElementiCasa::eColorabile(nodo.id) && !nodo.contieneColorabili) {
        m_stratoDelNodo[indice] = int(m_strati.size());
        m_strati.append({nodo.id, ElementiCasa::parteDiElemento(nodo.id), gruppo});
        return;
    }
    if (!nodo.contieneColorabili && indice != m_radice) {
        if (m_strati.isEmpty() || m_strati.last().colorabile() || m_strati.last().gruppo != gruppo)
            m_strati.append({QString(), 0, gruppo});
        m_stratoDelNodo[indice] = int(m_strati.size()) - 1;
        return;
    }
    if (ElementiCasa::eColorabile(nodo.id))
        qWarning("House picture: \"%s\" holds other paintable elements; it cannot be painted on its own",
                 qPrintable(nodo.id));
    for (int figlio : nodo.figli)
        dividi(figlio);
}

int SvgPartiDocumento::gruppoDi(int indice) const
{
    for (int n = indice; n >= 0; n = m_nodi[n].genitore) {
        if (n == m_nodoFumo)
            return ElementiCasa::kFumo;
        if (n == m_nodoNuvole)
            return ElementiCasa::kNuvole;
    }
    return 0;
}

bool SvgPartiDocumento::visibileAllInizio(int gruppo) const
{
    const int nodo = gruppo == ElementiCasa::kFumo ? m_nodoFumo
        : gruppo == ElementiCasa::kNuvole          ? m_nodoNuvole
                                                   : -1;
    return nodo < 0 || !m_nodi[nodo].nascosto;
}

int SvgPartiDocumento::indiceStrato(const QString &id) const
{
    if (id.isEmpty())
        return -1;
    for (int i = 0; i < m_strati.size(); ++i) {
        if (m_strati[i].id == id)
            return i;
    }
    return -1;
}

double SvgPartiDocumento::larghezzaTratto(int strato) const
{
    if (strato < 0 || strato >= m_strati.size() || !m_strati[strato].colorabile())
        return 0;
    const int nodo = int(m_stratoDelNodo.indexOf(strato));
    if (nodo < 0)
        return 0;
    return ::larghezzaTratto(m_testo.mid(m_nodi[nodo].inizio, m_nodi[nodo].fineApertura - m_nodi[nodo].inizio));
}

void SvgPartiDocumento::scrivi(int indice, int strato, Variante v, QString &uscita) const
{
    const int proprio = m_stratoDelNodo[indice];
    if (proprio >= 0 && proprio != strato)
        return;
    const Nodo &nodo = m_nodi[indice];
    QString tag = m_testo.mid(nodo.inizio, nodo.fineApertura - nodo.inizio);
    if (indice == m_nodoFumo || indice == m_nodoNuvole) {
        // The picture shows and hides these groups itself.
        tag = togliProprieta(togliProprieta(tag, QStringLiteral("display")), QStringLiteral("visibility"));
    }
    if (proprio == strato && v != Variante::Originale && m_strati[strato].colorabile()) {
        const QString proprieta = ElementiCasa::eContorno(nodo.id) ? QStringLiteral("stroke")
                                                                   : QStringLiteral("fill");
        tag = aggiungiAttributo(togliProprieta(tag, proprieta), proprieta,
                                v == Variante::Nero ? QStringLiteral("#000000") : QStringLiteral("#ffffff"));
    }
    uscita += tag;
    int posizione = nodo.fineApertura;
    for (int figlio : nodo.figli) {
        const Nodo &f = m_nodi[figlio];
        uscita += QStringView(m_testo).mid(posizione, f.inizio - posizione);
        scrivi(figlio, strato, v, uscita);
        posizione = f.fine;
    }
    if (nodo.fine > posizione)
        uscita += QStringView(m_testo).mid(posizione, nodo.fine - posizione);
}

QByteArray SvgPartiDocumento::variante(int strato, Variante v) const
{
    if (!m_casa || strato < 0 || strato >= m_strati.size())
        return QByteArray();
    const Nodo &radice = m_nodi[m_radice];
    QString uscita = m_testo.left(radice.inizio);
    scrivi(m_radice, strato, v, uscita);
    uscita += QStringView(m_testo).mid(radice.fine);
    return uscita.toUtf8();
}

QSvgRenderer &SvgPartiDocumento::renderer(int strato, Variante v) const
{
    std::unique_ptr<QSvgRenderer> &r = m_renderer.at(size_t(strato) * kVarianti + size_t(v));
    if (!r)
        r = std::make_unique<QSvgRenderer>(variante(strato, v));
    return *r;
}
