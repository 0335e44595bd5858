#pragma once
// The five photo categories the studio's web site offers, in the tab order of the main
// window's photo pages. The main window, the chosen-list loading and the transfer all
// read this one table; no other list of categories exists.
#include <QStringView>
#include <QtGlobal>
#include <array>

struct TCategoria {
    int TabIndex;
    qint32 IdLocal; // `id_x9_local` in the web site's database
    const char* TabSheet;
    QStringView TabCaption;
    const char* CheckBox;
    QStringView CheckBoxCaption;
    const char* CountLabel; // "(n)" beside the check box
    const char* QuantityLabel; // the count on the category's own tab sheet
    QStringView Pasta; // edit folder below the root of the photo tree
};

inline constexpr std::array<TCategoria, 5> Categorias { {
    { 0, 7, "vnSkinTabSheet1", u"Ampliação", "cbAmpliacao", u"Salvar Fotos. Ampliação", "lbAmpliacao",
        "qtoFtosEscolhidas1", u"Edicao/Escolhidas_Ampliacao" },
    { 1, 8, "vnSkinTabSheet2", u"Bioombo", "cbBioombo", u"Salvar Fotos. Bioombo", "lbBioombo",
        "qtoFtosEscolhidas2", u"Edicao/Escolhidas_Bioombo" },
    { 2, 9, "vnSkinTabSheet3", u"Outros", "cbOutros", u"Salvar Fotos. Outros", "lbOutros",
        "qtoFtosEscolhidas3", u"Edicao/Escolhidas_Outos" },
    { 3, 5, "vnSkinTabSheet4", u"Álbum", "cbAlbum", u"Salvar Fotos. Álbum", "lbAlbum", "qtoFtosEscolhidas4",
        u"Edicao/Escolhidas_Album" },
    { 4, 6, "vnSkinTabSheet5", u"Capa", "cbCapa", u"Salvar Fotos. Capa", "lbCapa", "qtoFtosEscolhidas5",
        u"Edicao/Escolhidas_Capa" },
} };

// The category with this id, or nullptr: ids the web site may add later are ignored.
constexpr const TCategoria* CategoriaPorId(qint32 idLocal)
{
    for (const TCategoria& c : Categorias)
        if (c.IdLocal == idLocal) return &c;
    return nullptr;
}
