#include "users/GraficiProgressi.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPen>
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
    // Day and month in figures, in the locale's order: a month's name does
    // not fit between the ticks of a small chart.
    const QString formato = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype giorno = formato.indexOf(QLatin1Char('d'));
    const qsizetype mese = formato.indexOf(QLatin1Char('M'));
    return (mese >= 0 && giorno >= 0 && mese < giorno) ? QStringLiteral("M/d") : QStringLiteral("dd/MM");
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
    penna.setWidthF(std::max(1.5, stile.carattere.pointSizeF() / 5));
    serie->setPen(penna);
    serie->setPointsVisible(true);
    serie->setMarkerSize(std::max(5.0, stile.carattere.pointSizeF() * 0.55));
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

    // Whole ticks from 0 up; the range reaches a little past both ends so
    // a point on 0 or on the top is drawn whole.
    auto *asseY = new QValueAxis;
    double alto = 10;
    double passo = 2;
    switch (figura) {
    case FiguraProgressi::Livello:
        alto = std::max(kLivelliMinimi, int(massimo));
        passo = 1;
        break;
    case FiguraProgressi::Esatte:
        alto = 100;
        passo = 20;
        break;
    case FiguraProgressi::Ignorate:
        break;
    }
    asseY->setRange(-alto * 0.04, alto * 1.04);
    asseY->setTickType(QValueAxis::TicksDynamic);
    asseY->setTickAnchor(0);
    asseY->setTickInterval(passo);
    asseY->setLabelFormat(QStringLiteral("%d"));
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
