#include "SystemErrors.h"

#include <cerrno>
#include <cstring>

namespace {

struct TErrorText {
    int Error;
    const char* Text;
};

const TErrorText kErrorTexts[] = {
    { ENOSPC, "não há espaço livre no disco" },
    { EDQUOT, "a cota de disco do usuário se esgotou" },
    { EACCES, "permissão negada" },
    { EPERM, "operação não permitida" },
    { EROFS, "o disco é somente leitura" },
    { EFBIG, "arquivo grande demais para o destino" },
    { EIO, "erro de leitura ou gravação no disco" },
    { ENOENT, "arquivo ou pasta inexistente" },
    { ENOTDIR, "um dos nomes do caminho não é uma pasta" },
    { EISDIR, "é uma pasta, não um arquivo" },
    { EEXIST, "já existe um arquivo com esse nome" },
    { ENAMETOOLONG, "nome de arquivo longo demais" },
    { ELOOP, "links simbólicos demais no caminho" },
    { EMFILE, "arquivos abertos demais" },
    { ENFILE, "arquivos abertos demais no sistema" },
    { ENOMEM, "memória insuficiente" },
    { EBUSY, "o arquivo está em uso" },
    { ETXTBSY, "o arquivo está em uso" },
    { ENXIO, "o dispositivo não está disponível" },
    { ENODEV, "o dispositivo não está disponível" },
    { ESTALE, "a pasta de rede não está mais disponível" },
    { ETIMEDOUT, "o disco de rede não respondeu" },
    { EINTR, "a operação foi interrompida" },
    { EINVAL, "não é um arquivo comum" },
    { EXDEV, "os arquivos estão em discos diferentes" },
    { ENOTEMPTY, "a pasta não está vazia" },
    { EAGAIN, "o arquivo está bloqueado no momento" },
    { ENOTCONN, "a pasta de rede foi desconectada" },
    { EHOSTUNREACH, "o computador da pasta de rede não responde" },
};

} // namespace

QString SystemErrorText(int error)
{
    for (const TErrorText& e : kErrorTexts)
        if (e.Error == error) return QString::fromUtf8(e.Text);
    // Rare enough to have no words of ours: the number and the system's own text, for
    // whoever helps the clerk.
    return QStringLiteral("erro do sistema nº %1 (%2)")
        .arg(error)
        .arg(QString::fromLocal8Bit(strerror(error)));
}
