#include "platform/VoceScansione.h"

#include "platform/Voce.h"
#include "platform/VoceEtichette.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

// Names are said a little faster than the character's sentences: they are
// one or two words and the highlight soon moves on.
constexpr int kVelocitaNomi = 200;

class VoceScansioneMotore : public VoceScansione
{
public:
    void di(const QString &testo, int identificativoLingua) override
    {
        if (!m_voce)
            m_voce = new Voce(QCoreApplication::instance());
        ParametriVoce parametri;
        QString lingua = linguaDellIdentificativo(identificativoLingua);
        if (lingua.isEmpty())
            lingua = QStringLiteral("it");
        parametri.voce = voceDellaLingua(lingua);
        parametri.velocita = kVelocitaNomi;
        m_voce->parla(testo, parametri);
    }
    void taci() override
    {
        if (m_voce)
            m_voce->ferma();
    }

private:
    // Made at the first name, never before it is needed; it goes with the
    // application, before the sound system is shut down.
    QPointer<Voce> m_voce;
};

VoceScansione *&installata()
{
    static VoceScansione *voce = nullptr;
    return voce;
}

} // namespace

VoceScansione &voceScansione()
{
    if (VoceScansione *voce = installata())
        return *voce;
    static VoceScansioneMotore motore;
    return motore;
}

void impostaVoceScansione(VoceScansione *voce)
{
    installata() = voce;
}
