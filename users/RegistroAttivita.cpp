#include "users/RegistroAttivita.h"

#include "core/Modulo1.h"

namespace {
constexpr int kUltimaRiga = StatoProgramma::kRigheRegistro - 1; // 500
}

bool iniziaRigaEsercizio(StatoProgramma &stato, const QString &nomeEsercizio)
{
    if (stato.NumeroRighe >= kUltimaRiga) {
        stato.NumeroRighe = kUltimaRiga + 1;
        return false;
    }
    ++stato.NumeroRighe;
    stato.RegistroAttivita[stato.NumeroRighe][0] = nomeEsercizio;
    return true;
}

bool completaSegmento(StatoProgramma &stato, int livello)
{
    if (stato.NumeroRighe < 0 || stato.NumeroRighe > kUltimaRiga)
        return false;
    auto &riga = stato.RegistroAttivita[stato.NumeroRighe];
    riga[1] = QString::number(livello);
    riga[2] = QString::number(static_cast<qint64>(stato.RisposteEsatte));
    riga[3] = QString::number(stato.RisposteErrate);
    stato.IgnorateRegistro[stato.NumeroRighe] = QString::number(stato.PressioniIgnorate);
    ++stato.NumeroRighe;
    return true;
}

void svuotaRegistro(StatoProgramma &stato)
{
    const int ultima = qMin<int>(stato.NumeroRighe, kUltimaRiga);
    for (int r = 0; r <= ultima; ++r) {
        stato.RegistroAttivita[r] = {};
        stato.IgnorateRegistro[r].clear();
    }
    stato.NumeroRighe = 0;
}

bool registroPieno(const StatoProgramma &stato)
{
    return stato.NumeroRighe > kUltimaRiga;
}

int righeRegistroUsate(const StatoProgramma &stato)
{
    return qBound<int>(0, stato.NumeroRighe, kUltimaRiga);
}
