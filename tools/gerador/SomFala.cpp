#include "SomFala.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>

#include "SomTratamento.h"

namespace pelmar::gerador {

Locutor::Locutor() : programa_(QStandardPaths::findExecutable("espeak-ng")) {
    if (programa_.isEmpty()) desiste("espeak-ng was not found in PATH");
}

void Locutor::desiste(const QString& motivo) {
    std::fprintf(stderr,
                 "pelmar-gerador: %s; spoken sounds are replaced by short tunes (install espeak-ng and "
                 "rebuild to hear the voices)\n",
                 motivo.toLocal8Bit().constData());
    programa_.clear();
}

std::optional<Amostras> Locutor::fala(const QString& texto, const Voz& voz) {
    if (!disponivel()) return std::nullopt;
    QTemporaryDir pasta;
    if (!pasta.isValid()) {
        desiste("no temporary folder for espeak-ng");
        return std::nullopt;
    }
    // Through a UTF-8 file, so accents survive whatever the build's locale is.
    const QString entrada = pasta.filePath("texto.txt");
    const QString wav = pasta.filePath("fala.wav");
    QFile f(entrada);
    if (!f.open(QIODevice::WriteOnly) || f.write(texto.toUtf8()) < 0 || !f.flush()) {
        desiste("cannot write " + entrada);
        return std::nullopt;
    }
    f.close();
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(programa_, {"-v", voz.variante, "-s", QString::number(voz.velocidade), "-p", QString::number(voz.tom), "-a",
                        QString::number(voz.volume), "-b", "1", "-f", entrada, "-w", wav});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished();
        }
        desiste(programa_ + " failed on \"" + texto + "\"");
        return std::nullopt;
    }
    Amostras s;
    try {
        s = leWav(wav);
    } catch (const std::exception& e) {
        desiste(QString::fromLocal8Bit(e.what()));
        return std::nullopt;
    }
    s = aparaSilencio(s, 0.01, 0.03);
    if (s.empty()) {
        desiste(programa_ + " wrote only silence for \"" + texto + "\"");
        return std::nullopt;
    }
    return s;
}

}  // namespace pelmar::gerador
