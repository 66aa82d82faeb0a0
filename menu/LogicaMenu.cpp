#include "menu/LogicaMenu.h"

#include <QSizeF>

QString chiaveNomeEsercizio(int indice)
{
    if (indice < 0 || indice >= kPulsanteEsci)
        return QString();
    return QStringLiteral("%1").arg(65 + indice, 4, 10, QLatin1Char('0'));
}

QStringList didascalieMenu(const QStringList &tradotte, const TestoPerChiave &testo)
{
    const QChar a = QLatin1Char('\n');
    QStringList didascalie;
    for (int i = 0; i < kPulsantiMenu; ++i) {
        const QString tradotta = tradotte.value(i);
        switch (i) {
        case 2:
            didascalie << testo(QStringLiteral("0059")) + a + testo(QStringLiteral("0060")) + a + testo(QStringLiteral("0187"));
            break;
        case 3:
            didascalie << testo(QStringLiteral("0061")) + a + testo(QStringLiteral("0062")) + a + testo(QStringLiteral("0188"));
            break;
        case 6:
            didascalie << a + testo(QStringLiteral("0063")) + a + testo(QStringLiteral("0064"));
            break;
        default:
            didascalie << a + tradotta;
            break;
        }
    }
    return didascalie;
}

QString casoTesto(const QString &testo, const QString &stileTesto)
{
    return stileTesto == QLatin1String("maiuscolo") ? testo.toUpper() : testo.toLower();
}

QString testoMisuraFont()
{
    return QStringLiteral("a") + QStringLiteral(" DIFFERENZE  ");
}

int dimensioneFontPulsanti(int larghezzaPulsante, const std::function<int(int punti)> &larghezzaTesto)
{
    int punti = kMinimoFontPulsanti;
    while (punti < kMassimoFontPulsanti && larghezzaTesto(punti) < larghezzaPulsante)
        ++punti;
    return punti;
}

int dimensioneFontUtenti(int dimensionePulsanti)
{
    return qMax(14, dimensionePulsanti - 10);
}

QColor coloreBanda(int i)
{
    const int v = 255 - qBound(0, i, 255);
    return QColor(v, 255, v);
}

QRectF rettangoloBanda(int i, const QSizeF &interno)
{
    const qreal unita = interno.height() / kBandeAvvio;
    return QRectF(0, (i - 1) * unita, interno.width(), unita);
}

QString testoInfoLabel1(const TestoPerChiave &testo)
{
    const QChar a = QLatin1Char('\n');
    return testo(QStringLiteral("0191")) + a + QLatin1Char(' ')
        + QStringLiteral("Vermilo - www.vermilo.example - info@vermilo.example") + a + a;
}

QString testoInfoLabel3()
{
    const QChar a = QLatin1Char('\n');
    return QString() + a + QString() + a + QString();
}

QString testoInfoLabel4(const TestoPerChiave &testo)
{
    QString risultato;
    for (const char *chiave : {"9996", "9997", "9998", "9999"}) {
        const QString riga = testo(QLatin1String(chiave));
        if (!riga.isEmpty())
            risultato += riga + QLatin1Char('\n');
    }
    return risultato;
}
