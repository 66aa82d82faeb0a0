#include "layout/ZonaLibera.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace {

bool liberoDa(const QRect &r, const QList<QRect> &ostacoli)
{
    return std::none_of(ostacoli.begin(), ostacoli.end(), [&r](const QRect &o) { return o.intersects(r); });
}

// The gap between two rectangles that do not meet, along the axis that
// separates them, and whether they face each other across it (their sides
// overlap along the other axis).
bool siToccano(const QRect &a, const QRect &b, int distanza)
{
    const bool orizzontale = a.top() <= b.bottom() && b.top() <= a.bottom();
    const bool verticale = a.left() <= b.right() && b.left() <= a.right();
    if (orizzontale && (std::abs(b.left() - a.right() - 1) <= distanza || std::abs(a.left() - b.right() - 1) <= distanza))
        return true;
    return verticale && (std::abs(b.top() - a.bottom() - 1) <= distanza || std::abs(a.top() - b.bottom() - 1) <= distanza);
}

// The parts of a free rectangle beside a character standing in it or next
// to it: each is free too, and faces the character.
QList<QRect> zoneAccanto(const QRect &libero, const QRect &figura, int distacco)
{
    const QRect attorno = figura.adjusted(-distacco, -distacco, distacco, distacco);
    if (!libero.intersects(attorno))
        return siToccano(libero, attorno, 2) ? QList<QRect>{libero} : QList<QRect>{};
    QList<QRect> zone;
    const QRect pezzi[] = {
        QRect(QPoint(libero.left(), libero.top()), QPoint(attorno.left() - 1, libero.bottom())),
        QRect(QPoint(attorno.right() + 1, libero.top()), QPoint(libero.right(), libero.bottom())),
        QRect(QPoint(libero.left(), libero.top()), QPoint(libero.right(), attorno.top() - 1)),
        QRect(QPoint(libero.left(), attorno.bottom() + 1), QPoint(libero.right(), libero.bottom())),
    };
    for (const QRect &pezzo : pezzi) {
        // Only the side facing the character: a corner piece that does not
        // overlap it along the other axis could not take the tail.
        if (pezzo.isValid() && !pezzo.isEmpty() && siToccano(pezzo, figura, distacco + 1))
            zone.append(pezzo);
    }
    return zone;
}

} // namespace

QList<QRect> rettangoliLiberi(const QRect &dentro, const QList<QRect> &ostacoli)
{
    QList<QRect> dentroZona;
    for (const QRect &o : ostacoli) {
        if (!o.isEmpty() && o.intersects(dentro))
            dentroZona.append(o.intersected(dentro));
    }
    if (dentro.isEmpty())
        return {};

    // A free rectangle that cannot grow has each side on the zone's edge or
    // against an obstacle: its left side is the zone's or just right of an
    // obstacle, its right side the zone's or just left of one.
    QList<int> sinistre{dentro.left()};
    QList<int> destre{dentro.right()};
    for (const QRect &o : std::as_const(dentroZona)) {
        if (o.right() < dentro.right())
            sinistre.append(o.right() + 1);
        if (o.left() > dentro.left())
            destre.append(o.left() - 1);
    }
    std::sort(sinistre.begin(), sinistre.end());
    sinistre.erase(std::unique(sinistre.begin(), sinistre.end()), sinistre.end());
    std::sort(destre.begin(), destre.end());
    destre.erase(std::unique(destre.begin(), destre.end()), destre.end());

    QList<QRect> liberi;
    for (const int sinistra : std::as_const(sinistre)) {
        for (const int destra : std::as_const(destre)) {
            if (destra < sinistra)
                continue;
            // The obstacles across this band, top to bottom: the free
            // stretches between them are the candidates.
            QList<QRect> attraverso;
            for (const QRect &o : std::as_const(dentroZona)) {
                if (o.left() <= destra && o.right() >= sinistra)
                    attraverso.append(o);
            }
            std::sort(attraverso.begin(), attraverso.end(),
                      [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
            int alto = dentro.top();
            const auto candidato = [&](int basso) {
                if (basso < alto)
                    return;
                const QRect r(QPoint(sinistra, alto), QPoint(destra, basso));
                const QRect aSinistra(QPoint(sinistra - 1, alto), QPoint(sinistra - 1, basso));
                const QRect aDestra(QPoint(destra + 1, alto), QPoint(destra + 1, basso));
                const bool cresceASinistra = sinistra > dentro.left() && liberoDa(aSinistra, dentroZona);
                const bool cresceADestra = destra < dentro.right() && liberoDa(aDestra, dentroZona);
                if (!cresceASinistra && !cresceADestra && !liberi.contains(r))
                    liberi.append(r);
            };
            for (const QRect &o : std::as_const(attraverso)) {
                candidato(o.top() - 1);
                alto = std::max(alto, o.bottom() + 1);
            }
            candidato(dentro.bottom());
        }
    }
    return liberi;
}

PostoPersonaggio scegliPostoPersonaggio(const RichiestaPosto &r)
{
    const QList<QRect> liberi = rettangoliLiberi(r.dentro, r.ostacoli);

    // The character at full size: its drawing's shape fitted into the
    // design's place.
    QSize piena = r.preferita.size();
    if (!r.proporzioni.isEmpty() && !piena.isEmpty())
        piena = r.proporzioni.scaled(piena, Qt::KeepAspectRatio);
    if (piena.isEmpty())
        piena = QSize(std::max(1, r.altezzaMinima * 3 / 4), std::max(1, r.altezzaMinima));

    struct Candidato
    {
        QRect figura;
        bool delProgetto;
    };
    QList<Candidato> candidati;
    const QList<QRect> ostacoliDentro = [&r] {
        QList<QRect> o;
        for (const QRect &q : r.ostacoli) {
            if (!q.isEmpty())
                o.append(q);
        }
        return o;
    }();
    if (!r.preferita.isEmpty() && r.dentro.contains(r.preferita) && liberoDa(r.preferita, ostacoliDentro))
        candidati.append({r.preferita, true});

    const QPoint centro = r.preferita.center();
    static constexpr double kScale[] = {1.0, 0.85, 0.7, 0.58, 0.48, 0.4, 0.33, 0.27, 0.22, 0.18, 0.15};
    for (const QRect &libero : liberi) {
        for (const double scala : kScale) {
            const QSize misura(std::max(1, int(std::lround(piena.width() * scala))),
                               std::max(1, int(std::lround(piena.height() * scala))));
            if (misura.height() < r.altezzaMinima)
                break;
            if (misura.width() > libero.width() || misura.height() > libero.height())
                continue;
            const int xMax = libero.right() - misura.width() + 1;
            const int yMax = libero.bottom() - misura.height() + 1;
            const int x = std::clamp(centro.x() - misura.width() / 2, libero.left(), xMax);
            const int y = std::clamp(centro.y() - misura.height() / 2, libero.top(), yMax);
            // Nearest the design's place, and at each end of the free
            // rectangle, leaving the rest of it to the balloon.
            for (const QPoint &angolo : {QPoint(x, y), QPoint(libero.left(), y), QPoint(xMax, y), QPoint(x, libero.top()),
                                         QPoint(x, yMax)})
                candidati.append({QRect(angolo, misura), false});
        }
    }

    const double diagonale = std::max(1.0, std::hypot(r.dentro.width(), r.dentro.height()));
    PostoPersonaggio migliore;
    double punteggioMigliore = -1e9;
    for (const Candidato &c : std::as_const(candidati)) {
        QRect zonaMigliore;
        double agio = -1.0;
        for (const QRect &libero : liberi) {
            for (const QRect &zona : zoneAccanto(libero, c.figura, r.distacco)) {
                // The tail takes its length from the side it points out of.
                const bool aFianco = zona.right() < c.figura.left() || zona.left() > c.figura.right();
                const int larga = zona.width() - (aFianco ? r.coda : 0);
                const int alta = zona.height() - (aFianco ? 0 : r.coda);
                if (larga < r.fumettoMinimo.width() || alta < r.fumettoMinimo.height())
                    continue;
                const double a = std::min(1.0, double(larga) / std::max(1, r.fumettoComodo.width()))
                    * std::min(1.0, double(alta) / std::max(1, r.fumettoComodo.height()));
                if (a > agio) {
                    agio = a;
                    zonaMigliore = zona;
                }
            }
        }
        // A balloon that shows its text at ease and a character that is
        // not dwarfed weigh alike; then staying where the design put it.
        const double grandezza = std::min(1.0, double(c.figura.height()) / piena.height());
        const double lontananza = QLineF(c.figura.center(), centro).length() / diagonale;
        const double punteggio = (agio < 0 ? -4.0 : 2.0 * agio) + 2.0 * grandezza + (c.delProgetto ? 0.5 : 0.0)
            - 0.5 * lontananza;
        if (punteggio > punteggioMigliore) {
            punteggioMigliore = punteggio;
            migliore = {c.figura, zonaMigliore};
        }
    }
    if (candidati.isEmpty()) {
        // Not even the smallest character fits anywhere: the smallest one,
        // in the largest free rectangle, the balloon left out.
        QRect grande;
        for (const QRect &libero : liberi) {
            if (qint64(libero.width()) * libero.height() > qint64(grande.width()) * grande.height())
                grande = libero;
        }
        if (!grande.isEmpty()) {
            const QSize misura = piena.scaled(grande.size(), Qt::KeepAspectRatio);
            migliore.figura = QRect(grande.topLeft(), misura.isEmpty() ? QSize(1, 1) : misura);
        }
    }
    return migliore;
}
