// Every text the clerk reads in the main and search windows, as their declared data
// gives it, compared with the texts the studio agreed on: a typo in a caption is a
// visible fault, and these texts are also what the clerks search the screen for.
#include "app/Registration.h"
#include "app/uLocalizarCliente/uLocalizarCliente.h"
#include "app/uPrincipal/uPrincipal.h"
#include "framework/Application.h"
#include "framework/Control.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

struct TExpectedText {
    const char* Component;
    const char* Property;
    const char* Text;
};

const TExpectedText kMainTexts[] = {
    { "frmPrincipal", "Caption", "Quira" },
    { "vnSkinGroupBox1", "Caption", "Savar Fotos" },
    { "vnSkinGroupBox2", "Caption", "Separa Fotos em Alta Resolução" },
    { "vnSkinGroupBox3", "Caption", "Informativo" },
    { "vnSkinGroupBox4", "Caption", "Cliente Selecionado" },
    { "btnLocalizarCliente", "Caption", "Localizar Cliente" },
    { "vnSkinButton3", "Caption", "..." },
    { "btnTransferirFoto", "Caption", "Transferir Fotos" },
    { "vnSkinStdLabel3", "Caption", "Selecione Diretório  (Selecione diretório principal ex.: C:\\Cliente)" },
    { "vnSkinStdLabel7", "Caption", "Quantidade de Fotos" },
    { "lbQtoFotos", "Caption", "0" },
    { "lbDiretorio", "Caption", "-" },
    { "vnSkinStdLabel11", "Caption", "Nome" },
    { "vnSkinStdLabel15", "Caption", "Data Evento" },
    { "vnSkinStdLabel14", "Caption", "Tipo Evento" },
    { "vnSkinStdLabel13", "Caption", "Código Cliente" },
    { "vnSkinTabSheet1", "Caption", "Ampliação" },
    { "vnSkinTabSheet2", "Caption", "Bioombo" },
    { "vnSkinTabSheet3", "Caption", "Outros" },
    { "vnSkinTabSheet4", "Caption", "Álbum" },
    { "vnSkinTabSheet5", "Caption", "Capa" },
    { "cbAmpliacao", "Caption", "Salvar Fotos. Ampliação" },
    { "cbBioombo", "Caption", "Salvar Fotos. Bioombo" },
    { "cbOutros", "Caption", "Salvar Fotos. Outros" },
    { "cbAlbum", "Caption", "Salvar Fotos. Álbum" },
    { "cbCapa", "Caption", "Salvar Fotos. Capa" },
    { "lbAmpliacao", "Caption", "(0)" },
    { "lbBioombo", "Caption", "(0)" },
    { "lbOutros", "Caption", "(0)" },
    { "lbAlbum", "Caption", "(0)" },
    { "lbCapa", "Caption", "(0)" },
    { "vnSkinStdLabel8", "Caption", "Quantidade de Foto.:" },
    { "vnSkinStdLabel6", "Caption", "Quantidade de Foto.:" },
    { "vnSkinStdLabel10", "Caption", "Quantidade de Foto.:" },
    { "vnSkinStdLabel5", "Caption", "Quantidade de Foto.:" },
    { "vnSkinStdLabel12", "Caption", "Quantidade de Foto.:" },
    { "qtoFtosEscolhidas1", "Caption", "0" },
    { "qtoFtosEscolhidas2", "Caption", "0" },
    { "qtoFtosEscolhidas3", "Caption", "0" },
    { "qtoFtosEscolhidas4", "Caption", "0" },
    { "qtoFtosEscolhidas5", "Caption", "0" },
    { "vnSkinDBText5", "DataField", "nome" },
    { "vnSkinDBText8", "DataField", "data_evento" },
    { "vnSkinDBText7", "DataField", "descricao" },
    { "vnSkinDBText6", "DataField", "id_evento" },
    { "vnSkinSelectDirectoryDialog1", "Title", "Select folder" },
    { "edtSalvarEM", "Text", "" },
};

const TExpectedText kSearchTexts[] = {
    { "frmLocalizar", "Caption", "Localizar Cliente" },
    { "vnSkinStdLabel9", "Caption", "Localizar Cliente" },
    { "edtLocalizar", "Caption", "Localizar" },
    { "vnSkinStdLabel17", "Caption", "Nome" },
    { "vnSkinStdLabel18", "Caption", "Data Evento" },
    { "vnSkinStdLabel1", "Caption", "Tipo Evento" },
    { "vnSkinStdLabel2", "Caption", "Hora" },
    { "vnSkinStdLabel4", "Caption", "Código Cliente" },
    { "vnSkinDBText12", "DataField", "nome" },
    { "vnSkinDBText2", "DataField", "data_evento" },
    { "vnSkinDBText1", "DataField", "descricao" },
    { "vnSkinDBText4", "DataField", "hora" },
    { "vnSkinDBText3", "DataField", "id_evento" },
    { "EdtEvento", "Text", "" },
};

template <size_t N>
void ExpectTexts(TComponentBase& root, QObject* rootObject, const TExpectedText (&table)[N])
{
    for (const TExpectedText& e : table) {
        QObject* object = root.Name() == QLatin1String(e.Component)
            ? rootObject
            : root.FindComponent(QLatin1String(e.Component));
        ASSERT_NE(object, nullptr) << e.Component;
        const QVariant value = object->property(e.Property);
        ASSERT_TRUE(value.isValid()) << e.Component << "." << e.Property;
        EXPECT_EQ(value.toString().toStdString(), std::string(e.Text)) << e.Component << "." << e.Property;
    }
}

TEST(DeclaredTexts, TheMainWindowShowsTheAgreedTexts)
{
    RegisterQuiraClasses();
    Application()->Reset();
    auto main = std::make_unique<TfrmPrincipal>(nullptr);
    ExpectTexts(*main, main.get(), kMainTexts);
}

TEST(DeclaredTexts, TheSearchWindowShowsTheAgreedTexts)
{
    RegisterQuiraClasses();
    Application()->Reset();
    auto search = std::make_unique<TfrmLocalizar>(nullptr);
    ExpectTexts(*search, search.get(), kSearchTexts);
}

} // namespace
