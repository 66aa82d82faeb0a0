#pragma once

#include "core/Casuale.h"
#include "core/Impostazioni.h"

#include <QString>

#include <array>

// "Uguali - 1°" and "Uguali - 2°": two houses painted alike but for as many
// parts as the level (1..4); the child puts each difference right. This class
// draws the two houses and checks each choice of a part; the windows paint
// the houses and count.
//
// Every draw goes through the given source in a fixed order that the tests
// replay: the six coloured parts of the first house, its smoke, its clouds,
// then for each difference the part and its new value in the second house.
class CaseUguali
{
public:
    static constexpr int kLivelli = 4;
    static constexpr int kPrimaCasa = 0;  // the model
    static constexpr int kSecondaCasa = 1; // the one to correct

    enum class Esito {
        Ignorata, // no part 1..8, or the item is already complete
        Esatta,   // a difference put right
        Errata,   // the part is already alike in both houses
    };

    CaseUguali(FonteCasuale &fonte, const TabellaColoriTipo &colori);

    // A new item at a level 1..4. With soloParteColorate (scanning in
    // "Uguali - 2°", whose highlight runs over the coloured parts) the smoke
    // and the clouds are still drawn but then shown in both houses, and the
    // differences are drawn among parts 1..6 only.
    void GeneraEsercizio(int livello, bool soloPartiColorate = false);

    // The child chooses part 1..8 on house casa: when the part differs, that
    // house takes the other house's value for it.
    Esito scegli(int parte, int casa = kSecondaCasa);

    int livello() const { return m_livello; }
    int Sistemati() const { return m_sistemati; }
    bool completo() const { return m_sistemati >= m_livello; }
    bool Diverso(int parte) const;
    // Slot 1..4 of parts 1..6, presence 0/1 of smoke (7) and clouds (8).
    int Colore(int parte, int casa) const;
    // RRGGBB of a coloured part 1..6 of a house, and of the picture background.
    QString esadecimale(int parte, int casa) const;
    QString sfondo() const;

private:
    void ImpostaColori(bool soloPartiColorate);

    FonteCasuale &m_fonte;
    const TabellaColoriTipo &m_colori;
    std::array<std::array<int, 2>, 9> m_colore{}; // [part][house]; part 0 unused
    std::array<bool, 9> m_diverso{};
    int m_livello = 1;
    int m_sistemati = 0;
};
