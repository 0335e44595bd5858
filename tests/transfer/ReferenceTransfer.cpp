#include "ReferenceTransfer.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <filesystem>

namespace {

// Entries of one folder by name without regard to case, ties by bytes.
void SortEntries(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.toUtf8() < b.toUtf8();
    });
}

// Every entry but the hidden ones, folders and files alike.
QStringList SearchAll(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Unsorted);
    SortEntries(names);
    return names;
}

void PercorrerSubdiretorio(const QString& raiz, QStringList& lista, const QString& sub)
{
    for (const QString& name : SearchAll(raiz + "/" + sub)) {
        const QString path = raiz + "/" + sub + "/" + name;
        if (QFileInfo(path).isDir()) {
            lista.append(path);
            PercorrerSubdiretorio(raiz, lista, sub + "/" + name);
        }
    }
}

void BuscarSubdiretorios(const QString& raiz, QStringList& lista, bool recursivo)
{
    for (const QString& name : SearchAll(raiz)) {
        const QString path = raiz + "/" + name;
        if (QFileInfo(path).isDir()) {
            lista.append(path);
            if (recursivo) PercorrerSubdiretorio(raiz, lista, name);
        }
    }
}

QStringList ListarDiretorios(const QString& root)
{
    QStringList lista;
    BuscarSubdiretorios(root, lista, true);
    lista.append(root);
    return lista;
}

// Ordinary files only; the "*.jpg" filter ignores case.
QStringList ListarFotosDoDiretorio(const QString& diretorio)
{
    return QDir(diretorio).entryList({ QStringLiteral("*.jpg") }, QDir::Files, QDir::Unsorted);
}

void CopiarArquivo(const QString& origem, const QString& destino)
{
    std::error_code ignored; // a failed copy is passed over, the target present or not
    std::filesystem::copy_file(origem.toStdString(), destino.toStdString(), ignored);
}

void TransferirCategoria(const QString& root, const QString& pasta, const QStringList& nomes)
{
    const QString target = root + "/" + pasta;
    if (!QDir(target).exists()) QDir().mkpath(target);
    const QStringList diretorios = ListarDiretorios(root);
    for (const QString& entry : diretorios) {
        if (entry == target) continue;
        const QStringList arquivos = ListarFotosDoDiretorio(entry);
        if (arquivos.isEmpty()) continue;
        for (const QString& nome : nomes) {
            for (const QString& arquivo : arquivos) {
                if (arquivo == nome) {
                    CopiarArquivo(entry + "/" + nome, target + "/" + nome);
                    break;
                }
            }
        }
    }
}

} // namespace

void ReferenceTransfer(const QString& root, const QList<TCategoryRequest>& categories)
{
    for (const TCategoryRequest& category : categories)
        TransferirCategoria(root, category.Pasta, category.Names);
}
