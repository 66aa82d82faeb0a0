#include "users/GraficiProgressi.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPen>
#include <QRegularExpression>
#include <QValueAxis>

#include <algorithm>

namespace {

// The highest level of any exercise; a chart shows at least these.
constexpr int kLivelliMinimi = 4;

} // namespace

QColor coloreFigura(FiguraProgressi figura)
{
    // Dark enough to read on the warm background and in grey on paper, and
    // told apart by the colour-blind (blue, green-teal, red-orange).
    switch (figura) {
    case FiguraProgressi::Livello:
        return QColor(0x1F, 0x4E, 0x9A);
    case FiguraProgressi::Esatte:
        return QColor(0x0B, 0x7A, 0x5C);
    case FiguraProgressi::Ignorate:
        return QColor(0xC0, 0x44, 0x10);
    }
    return Qt::black;
}

std::optional<double> valoreFigura(FiguraProgressi figura, const GiornoProgressi &giorno)
{
    switch (figura) {
    case FiguraProgressi::Livello:
        return giorno.livelloMassimo;
    case FiguraProgressi::Esatte:
        return giorno.quotaEsatte();
    case FiguraProgressi::Ignorate:
        return giorno.ignoratePerDieci();
    }
    return std::nullopt;
}

QString formatoDataBreve(const QLocale &locale)
{
    QString formato = locale.dateFormat(QLocale::ShortFormat);
    // The year and the separator that joins it go: "dd/MM/yy" -> "dd/MM".
    static const QRegularExpression anno(QStringLiteral("[^dMy]*y+[^dMy]*"));
    formato.replace(anno, QString());
    return formato.isEmpty() ? QStringLiteral("dd/MM") : formato;
}

QChart *creaGraficoProgressi(FiguraProgressi figura, const QList<GiornoProgressi> &giorni, const QString &titolo,
                             const StileGrafici &stile)
{
    auto *grafico = new QChart;
    grafico->setTitle(titolo);
    QFont carattereTitolo = stile.carattere;
    carattereTitolo.setBold(true);
    carattereTitolo.setPointSizeF(stile.carattere.pointSizeF() * 1.15);
    grafico->setTitleFont(carattereTitolo);
    grafico->setTitleBrush(stile.testo);
    grafico->setBackgroundBrush(stile.sfondo);
    grafico->setBackgroundRoundness(0);
    grafico->setPlotAreaBackgroundBrush(Qt::white);
    grafico->setPlotAreaBackgroundVisible(true);
    grafico->legend()->hide();
    grafico->setMargins(QMargins(4, 4, 4, 4));
    grafico->setAnimationOptions(QChart::NoAnimation);

    auto *serie = new QLineSeries;
    QPen penna(coloreFigura(figura));
    penna.setWidthF(std::max(2.0, stile.carattere.pointSizeF() / 4));
    serie->setPen(penna);
    serie->setPointsVisible(true);
    serie->setMarkerSize(std::max(7.0, stile.carattere.pointSizeF() * 0.8));
    double massimo = 0;
    for (const GiornoProgressi &g : giorni) {
        if (const auto valore = valoreFigura(figura, g)) {
            serie->append(double(g.data.startOfDay().toMSecsSinceEpoch()), *valore);
            massimo = std::max(massimo, *valore);
        }
    }
    grafico->addSeries(serie);

    auto *asseX = new QDateTimeAxis;
    asseX->setFormat(formatoDataBreve(stile.locale));
    QDate dal = stile.dal;
    if (!dal.isValid())
        dal = giorni.isEmpty() ? stile.al : giorni.constFirst().data;
    QDate al = stile.al.isValid() ? stile.al : dal;
    if (!giorni.isEmpty())
        al = std::max(al, giorni.constLast().data);
    if (al <= dal)
        al = dal.addDays(1);
    asseX->setRange(dal.startOfDay(), al.startOfDay());
    asseX->setTickCount(std::clamp(int(dal.daysTo(al)) + 1, 2, 6));

    auto *asseY = new QValueAxis;
    switch (figura) {
    case FiguraProgressi::Livello: {
        const int livelli = std::max(kLivelliMinimi, int(massimo));
        asseY->setRange(0, livelli);
        asseY->setTickCount(livelli + 1);
        asseY->setLabelFormat(QStringLiteral("%d"));
        break;
    }
    case FiguraProgressi::Esatte:
        asseY->setRange(0, 100);
        asseY->setTickCount(6);
        asseY->setLabelFormat(QStringLiteral("%d"));
        break;
    case FiguraProgressi::Ignorate:
        asseY->setRange(0, 10);
        asseY->setTickCount(6);
        asseY->setLabelFormat(QStringLiteral("%d"));
        break;
    }
    for (QAbstractAxis *asse : {static_cast<QAbstractAxis *>(asseX), static_cast<QAbstractAxis *>(asseY)}) {
        asse->setLabelsFont(stile.carattere);
        asse->setLabelsBrush(stile.testo);
        asse->setLinePenColor(stile.testo);
        asse->setGridLineColor(QColor(0xD0, 0xD0, 0xD0));
    }
    grafico->addAxis(asseX, Qt::AlignBottom);
    grafico->addAxis(asseY, Qt::AlignLeft);
    serie->attachAxis(asseX);
    serie->attachAxis(asseY);
    return grafico;
}
