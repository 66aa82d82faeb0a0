#include "platform/Moduli.h"

#include "core/Percorsi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <dlfcn.h>

namespace {

// The name every module gives its start function.
constexpr char kAvvio[] = "pinnole_avvia_modulo";

} // namespace

// Visible to the dynamic linker only in a program that exports its own
// symbols to the modules (the program itself); a program that links the
// parts it uses (a test, a tool) does not, and opens no module.
extern "C" Q_DECL_EXPORT const int pinnole_apre_moduli = 1;

QString cartellaModuli()
{
    if (!Percorsi::programmaInstallato())
        return Percorsi::cartellaProgramma() + QStringLiteral("/moduli");
    // The library folder as seen from the folder of the installed program.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                           + QStringLiteral(PINNOLE_MODULI_DA_ESEGUIBILE));
}

QString fileModulo(const char *nome)
{
    return cartellaModuli() + QStringLiteral("/pinnole-") + QString::fromLatin1(nome) + QStringLiteral(".so");
}

bool apriModulo(const char *nome)
{
    // Each module is tried once: true once open, false once it failed.
    static QHash<QByteArray, bool> esiti;
    const QByteArray chiave(nome);
    const auto trovato = esiti.constFind(chiave);
    if (trovato != esiti.cend())
        return trovato.value();

    bool aperto = false;
    if (!dlsym(RTLD_DEFAULT, "pinnole_apre_moduli")) {
        esiti.insert(chiave, false);
        return false;
    }
    const QString file = fileModulo(nome);
    const QFileInfo info(file);
    if (!info.isFile() || info.isSymLink()) {
        qWarning("Module %s missing: %s", nome, qPrintable(file));
    } else if (void *modulo = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL)) {
        if (auto avvia = reinterpret_cast<void (*)()>(dlsym(modulo, kAvvio))) {
            avvia();
            aperto = true;
        } else {
            qWarning("Module %s has no start function", nome);
            dlclose(modulo);
        }
    } else {
        qWarning("Module %s cannot be opened: %s", nome, dlerror());
    }
    esiti.insert(chiave, aperto);
    return aperto;
}
