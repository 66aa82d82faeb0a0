// documenti: turns a document source of docs/ (HTML) into a PDF of the
// program folder. SVG pictures named by <img src="..."> are rendered at
// print resolution, so the menu pictures keep sharp outlines on paper.
//   documenti <source.html> <output.pdf> <folder the picture paths start from>

#include "Impaginatore.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QDateTime>
#include <QGuiApplication>
#include <QHashFunctions>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>
#include <ctime>

namespace {

// An <img> is laid out at its width attribute in CSS pixels (96 per inch);
// rendering it at this scale gives the print resolution.
constexpr double kScalaStampa = Impaginatore::kRisoluzione / 96.0;

// Renders every SVG picture the source names and hands it to the document
// under the name the source uses. False, with a message, when one is missing.
bool aggiungiFigure(QTextDocument &documento, const QString &html, const QDir &base)
{
    static const QRegularExpression img(QStringLiteral(R"re(<img\b[^>]*>)re"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression src(QStringLiteral(R"re(\bsrc\s*=\s*"([^"]+\.svg)")re"));
    static const QRegularExpression larghezza(QStringLiteral(R"re(\bwidth\s*=\s*"?(\d+))re"));
    for (auto it = img.globalMatch(html); it.hasNext();) {
        const QString tag = it.next().captured(0);
        const QString nome = src.match(tag).captured(1);
        if (nome.isEmpty())
            continue;
        QSvgRenderer disegno(base.filePath(nome));
        if (!disegno.isValid()) {
            std::fprintf(stderr, "documenti: picture not readable: %s\n", qPrintable(base.filePath(nome)));
            return false;
        }
        const QSizeF naturale = disegno.defaultSize();
        const int richiesta = larghezza.match(tag).captured(1).toInt();
        const double lato = (richiesta > 0 ? richiesta : naturale.width()) * kScalaStampa;
        const QSize misura(int(lato), int(lato * naturale.height() / naturale.width()));
        QImage figura(misura, QImage::Format_ARGB32_Premultiplied);
        figura.fill(Qt::transparent);
        QPainter pittore(&figura);
        pittore.setRenderHint(QPainter::Antialiasing);
        disegno.render(&pittore);
        pittore.end();
        documento.addResource(QTextDocument::ImageResource, QUrl(nome), figura);
    }
    return true;
}

// The PDF writer stamps the time of writing into the document. With
// SOURCE_DATE_EPOCH set (a package build) that stamp becomes the given time,
// so two builds of the same sources give the same bytes. The writer runs in
// UTC, so the stamp always ends in "Z" and keeps its length: the offsets
// the file records stay right.
bool fissaData(const QString &percorso)
{
    bool valido = false;
    const qint64 epoca = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&valido);
    if (!valido)
        return true;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray pdf = file.readAll();
    file.close();
    static const QRegularExpression data(QStringLiteral(R"re(/CreationDate \(D:(\d{14})Z\))re"));
    const QRegularExpressionMatch trovata = data.match(QString::fromLatin1(pdf));
    if (!trovata.hasMatch())
        return true;
    const QByteArray cifre =
        QDateTime::fromSecsSinceEpoch(epoca, Qt::UTC).toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    if (cifre.size() != 14)
        return false;
    pdf.replace(trovata.capturedStart(1), 14, cifre);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(pdf) == pdf.size() && file.flush();
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts and objects are written in hash order: a fixed seed and UTC make
    // the output the same at every run.
    QHashSeed::setDeterministicGlobalSeed();
    qputenv("TZ", "UTC");
    tzset();
    QGuiApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() != 4) {
        std::fprintf(stderr, "usage: documenti <source.html> <output.pdf> <picture folder>\n");
        return 2;
    }
    QFile sorgente(argomenti.at(1));
    if (!sorgente.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "documenti: cannot read %s\n", qPrintable(argomenti.at(1)));
        return 1;
    }
    const QString html = QString::fromUtf8(sorgente.readAll());

    QTextDocument documento;
    QFont testo(QStringLiteral("C059"));
    testo.setPointSizeF(11.0);
    documento.setDefaultFont(testo);
    if (!aggiungiFigure(documento, html, QDir(argomenti.at(3))))
        return 1;
    documento.setHtml(html);

    if (!Impaginatore(&documento).scriviPdf(argomenti.at(2)))
        return 1;
    if (!fissaData(argomenti.at(2))) {
        std::fprintf(stderr, "documenti: cannot set the date of %s\n", qPrintable(argomenti.at(2)));
        return 1;
    }
    return 0;
}
