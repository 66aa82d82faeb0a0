#pragma once

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QSvgRenderer;

// A picture file as the house picture paints it. A house file (one that holds
// the house's element ids) is split into layers in document order, which is
// drawing order: one layer per paintable element ("tetto.interno",
// "fumo.contorno", ...) and one per run of fixed artwork between them, so
// whatever else the file draws keeps its place. Each layer can be drawn on
// its own, in the file's colours or with its paint forced to black or white;
// those two are what lets a picture recolour an element by arithmetic on
// pixels instead of rendering the file again.
//
// A file without house ids (a reward animation) is not split: it is drawn
// whole.
class SvgPartiDocumento
{
public:
    enum class Variante { Originale, Nero, Bianco };
    static constexpr int kVarianti = 3;

    struct Strato
    {
        QString id;     // the paintable element, empty for fixed artwork
        int parte = 0;  // its part number 1..8, 0 for fixed artwork
        int gruppo = 0; // 7 or 8 inside the "fumo" or "nuvole" group, else 0
        bool colorabile() const { return parte != 0; }
    };

    // The document of a file, shared by every picture showing the same file
    // (keyed by path, size and modification time). Never null: an unreadable
    // or broken file gives a document that is not valid.
    static std::shared_ptr<const SvgPartiDocumento> carica(const QString &percorso);
    // A document from bytes, not shared.
    static std::shared_ptr<const SvgPartiDocumento> daBytes(const QByteArray &contenuto);

    ~SvgPartiDocumento();
    SvgPartiDocumento(const SvgPartiDocumento &) = delete;
    SvgPartiDocumento &operator=(const SvgPartiDocumento &) = delete;

    bool valido() const { return m_valido; }
    // True when the file holds at least one house element id.
    bool eCasa() const { return m_casa; }
    // The house ids the file lacks (empty for a complete house and for a
    // picture that is no house).
    const QStringList &mancanti() const { return m_mancanti; }
    QRectF viewBox() const { return m_viewBox; }
    bool animato() const { return m_animato; }
    // The file's bytes, for drawing it whole.
    const QByteArray &contenuto() const { return m_contenuto; }

    const QList<Strato> &strati() const { return m_strati; }
    // The layer of a paintable element id, -1 when there is none.
    int indiceStrato(const QString &id) const;
    // The stroke width the element of a layer is drawn with, in viewBox
    // units (1 when it gives none, 0 for fixed artwork).
    double larghezzaTratto(int strato) const;
    // Whether the group of part 7 or 8 is shown when the file is loaded.
    bool visibileAllInizio(int gruppo) const;

    // The file reduced to one layer (everything else removed, the groups of
    // smoke and clouds made visible), in the chosen variant.
    QByteArray variante(int strato, Variante v) const;
    // A renderer of that variant, made on first use and kept.
    QSvgRenderer &renderer(int strato, Variante v) const;

private:
    struct Nodo
    {
        QString id;
        int inizio = 0;       // '<' of the start tag
        int fineApertura = 0; // just after the start tag
        int fine = 0;         // just after the end tag
        int genitore = -1;
        QList<int> figli;
        bool disegna = true;     // false for defs, styles, animations...
        bool nascosto = false;   // hidden by its own attributes
        bool contieneColorabili = false; // in its subtree, itself excluded
    };

    SvgPartiDocumento() = default;
    void leggi(const QByteArray &contenuto);
    bool costruisciAlbero();
    void dividi(int nodo);
    int gruppoDi(int nodo) const;
    void scrivi(int nodo, int strato, Variante v, QString &uscita) const;

    QByteArray m_contenuto;
    QString m_testo;
    bool m_valido = false;
    bool m_casa = false;
    bool m_animato = false;
    QRectF m_viewBox;
    QStringList m_mancanti;
    QList<Nodo> m_nodi;
    int m_radice = -1;
    QList<Strato> m_strati;
    QList<int> m_stratoDelNodo; // per node: the layer it is drawn in, or -1 when it is a container or never drawn
    int m_nodoFumo = -1;
    int m_nodoNuvole = -1;
    mutable std::vector<std::unique_ptr<QSvgRenderer>> m_renderer;
};
