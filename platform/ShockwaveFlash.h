#pragma once

#include "platform/SvgParti.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>

class QSvgRenderer;

// The picture of a house, or of a reward animation, with the operations the
// exercises drive it by. A "movie" is an SVG file (see SvgPartiDocumento):
// a house file is painted part by part in colours the program sets; any other
// picture is drawn whole and, when animated, plays.
//
// The picture keeps its aspect ratio and is centred in the widget; the rest
// of the widget, and every place the picture leaves transparent, shows the
// background colour. A file that cannot be read shows an empty picture with a
// red cross; so does a house file lacking some of its element ids (the parts
// it has are drawn).
//
// Clicks (left button) depend on the frame:
//   0  nothing is reported; system pointer.
//   1  a click anywhere within the drawing's extent reports the command "0"
//      (the house as a whole); the program's own pointer.
//   2  a click on a part reports its number "1".."8", the part drawn topmost
//      winning; a click on no part reports nothing; the program's own pointer.
//   3  as 2, with the system pointer.
// Other frame numbers behave as 0. The argument text is always empty.
//
// Highlighting a part (the scanning highlight of the windows that scan over
// the parts of a house): paint its outline in the highlight colour,
//   SetVariable("QualeOggetto", "tetto.contorno");
//   SetVariable("TestoColore.QualeColore", "FF0000");
// and put it out by painting it "000000" again. A part whose outline is
// painted any colour but black keeps its dark outline and shows a band of
// that colour along the inside of it, closed by a dark line: drawn over the
// part's fill and under everything drawn after it, so the band stops where
// other parts cover the part and no pixel outside the part changes. On a
// fill of about the band's colour the band is striped. Several parts may be
// highlighted at once; a part of a hidden group (smoke, clouds) shows no
// band. partiEvidenziate() tells which parts show one.
class ShockwaveFlash : public QWidget
{
    Q_OBJECT

public:
    explicit ShockwaveFlash(QWidget *parent = nullptr);
    ~ShockwaveFlash() override;

    // Loads a file (its path is matched without regard to case). The picture
    // starts afresh: the file's own colours and visibility, frame 0, no object
    // chosen. Reloading the same file does the same.
    void Movie(const QString &percorso);
    QString movie() const { return m_percorso; }

    void GotoFrame(int fotogramma);
    int fotogramma() const { return m_fotogramma; }

    // The colour behind the picture, "RRGGBB"; other text is ignored. Kept
    // across loads.
    void BGColor(const QString &rrggbb);
    QColor coloreSfondo() const { return m_sfondo; }

    // "QualeOggetto" chooses the element to paint ("tetto.interno",
    // "fumo.contorno", ...); "TestoColore.QualeColore" paints it, "RRGGBB".
    // An unknown variable, object or colour text changes nothing.
    void SetVariable(const QString &nome, const QString &valore);

    // Property 7 of "fumo" or "nuvole" is its visibility: "0" hides, "1" shows.
    void TSetProperty(const QString &oggetto, int proprieta, const QString &valore);

    // The state, for tests and for the windows that show the picture.
    bool caricato() const;
    bool eCasa() const;
    QStringList elementiMancanti() const;
    // The colour an element has been painted, empty while it has its own.
    std::optional<QColor> coloreElemento(const QString &id) const;
    bool gruppoVisibile(const QString &gruppo) const;
    // Where the picture lies in the widget.
    QRect rettangoloDisegno() const;
    // The command a click at a widget point reports in the current frame,
    // empty for none.
    QString comandoNelPunto(QPoint punto);
    // The parts 1..8 whose outline is highlighted and shown, in part order.
    QList<int> partiEvidenziate() const;
    // A widget point where part 1..8 is drawn topmost (well inside it), for
    // pointing at a part from outside (tests, tools); nothing when the part
    // is hidden, covered or not loaded.
    std::optional<QPoint> puntoSullaParte(int parte);
    // The rectangle part 1..8 is drawn in with its outline, in widget
    // coordinates; empty when the picture has no such part, its group is
    // hidden or the picture has not been painted yet.
    QRect riquadroParte(int parte) const;
    // How broad the band of a lit part is beyond its outline, in pixels of
    // the widget; the band is never narrower than the outline itself, so 0
    // gives that. A part too narrow for it gets a narrower band.
    void impostaLarghezzaAlone(int pixel);
    int larghezzaAlone() const { return m_larghezzaAlone; }

    QSize sizeHint() const override;

signals:
    void FSCommand(const QString &comando, const QString &argomenti);

protected:
    void paintEvent(QPaintEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;

private:
    struct StratoColorato
    {
        std::optional<QRgb> colore; // none: the file's own colours
        QImage immagine;
    };
    struct AloneColorato
    {
        QRgb colore = 0;
        int larghezza = 0;
        std::optional<QRgb> contrasto;
        QImage immagine;
    };

    const SvgParti *partiAttuali();
    QRect areaElemento(const QString &id, bool conAlone);
    void disegnaCasa(QPainter &pittore, QRect area, QRect daRidisegnare);
    void disegnaImmagine(QPainter &pittore, QRect area, QPoint posizione, const QImage &immagine,
                         QRect daRidisegnare) const;
    void disegnaAlone(QPainter &pittore, QRect area, int parte, std::optional<QRgb> coloreFondo,
                      QRect daRidisegnare);
    void disegnaCroce(QPainter &pittore);
    void aggiornaPuntatore();

    QString m_percorso;
    std::shared_ptr<const SvgPartiDocumento> m_documento;
    std::shared_ptr<const SvgParti> m_parti;
    std::unique_ptr<QSvgRenderer> m_intero; // pictures drawn whole
    QHash<QString, QRgb> m_colori;          // painted elements
    QHash<int, StratoColorato> m_stratiInUso;  // per layer, the image drawn, for m_parti
    QHash<int, AloneColorato> m_aloniInCache;  // per highlighted part, for m_parti
    VisibilitaGruppi m_visibili;
    QString m_oggetto;
    QColor m_sfondo = Qt::white;
    int m_fotogramma = 0;
    int m_larghezzaAlone = 0;
};
