#pragma once
// The data module: the connection to the studio's database, its five queries with
// their in-memory copies and data sources, and the company of the logged-in user.
//
// Its components are declared data (forms/uDM.dfm). The windows use them through the
// actions below, each of which connects, runs one query, copies its rows where there
// is a copy, and closes the connection again before it returns, on every way out. The
// wait cursor shows while an action runs. An error of the database layer ends an
// action where it happens and reaches the caller as Exception; the connection's
// timeouts (declared with its parameters) bound how long a server that does not answer
// can hold an action.
#include "framework/Component.h"
#include "framework/declared/DeclaredFields.h"

#include <QString>

class TClientDataSet;
class TDataSetProvider;
class TDataSource;
class TSQLConnection;
class TSQLQuery;
class TvnCompressedStoredSkin;
class TvnSkinData;

// What the login check found: whether a user has this login and password, and the
// company of that user.
struct TLoginResult {
    bool Found = false;
    qint32 IdEmpresa = 0;
};

// The company's names: the legal one for the main window's caption, the trade name for
// the application title.
struct TCompany {
    QString Razao;
    QString NomeFantazia;
};

// The declared components, in declaration order: each a field of TDM, bound by name
// once the declared data is loaded.
#define TDM_FIELDS(FIELD)                                                                                    \
    FIELD(TSQLConnection, ConectMysql)                                                                       \
    FIELD(TSQLQuery, qryEmpresa)                                                                             \
    FIELD(TDataSetProvider, dspEmpresa)                                                                      \
    FIELD(TClientDataSet, cdsEmpresa)                                                                        \
    FIELD(TSQLQuery, qryUsuario)                                                                             \
    FIELD(TSQLQuery, qryEvento)                                                                              \
    FIELD(TClientDataSet, cdsEvento)                                                                         \
    FIELD(TDataSetProvider, dspEvento)                                                                       \
    FIELD(TDataSource, dsEvento)                                                                             \
    FIELD(TClientDataSet, cdsEventoEscolhido)                                                                \
    FIELD(TDataSource, dsEventoEscolhido)                                                                    \
    FIELD(TvnSkinData, vnSkinData1)                                                                          \
    FIELD(TvnCompressedStoredSkin, vnCompressed)                                                             \
    FIELD(TSQLQuery, qryFotoEscolhida)                                                                       \
    FIELD(TDataSetProvider, dspFotoEscolhida)                                                                \
    FIELD(TClientDataSet, cdsFotoEscolhida)                                                                  \
    FIELD(TDataSource, dsFotoEscolhida)                                                                      \
    FIELD(TSQLQuery, qryQtoFtosEscohidas)                                                                    \
    FIELD(TDataSetProvider, dspQtoFtosEscohidas)                                                             \
    FIELD(TClientDataSet, cdsQtoFtosEscohidas)

class TDM : public TComponent {
    Q_OBJECT
public:
    // Loads the declared components; raises Exception when they do not load.
    explicit TDM(QObject* owner = nullptr);
    ~TDM() override;

    // Company of the logged-in user: 0 until the login window sets it. Every query after
    // the login filters by it.
    qint32 IdEmpresa = 0;

    // Login window: looks the user up by login and password, exactly as typed. A row
    // whose login is empty counts as no row, so an empty login never gets in; a login or
    // password the user table's latin1 columns cannot hold matches no row and is not
    // sent to the server.
    TLoginResult CheckLogin(const QString& login, const QString& senha);
    // Start-up after the login: the company of IdEmpresa into cdsEmpresa; empty names
    // when there is no such company.
    TCompany LoadCompany();
    // Search window: the events of the company whose search text is LIKE `dados` (the
    // pattern as the window built it) into cdsEvento, replacing the previous result. An
    // event is listed once per matching search text.
    void SearchEvents(const QString& dados);
    // Main window, once the search window returned a choice: the current row of the
    // search's result becomes the chosen event (cdsEventoEscolhido, which the "Cliente
    // Selecionado" texts show); an empty result leaves no event chosen (id 0). A search
    // abandoned without a choice never reaches here, so the chosen event stays.
    void ChooseCurrentEvent();
    // The chosen event's id, 0 when none is chosen.
    qint32 ChosenEventId() const;
    // Photo tabs and transfer: the photos chosen in category `idLocal` of event
    // `idEvento` into cdsFotoEscolhida.
    void LoadChosenPhotos(qint32 idEvento, qint32 idLocal);
    // Photo tabs: the number of chosen photos per category of event `idEvento` into
    // cdsQtoFtosEscohidas (categories without photos have no row).
    void LoadCounts(qint32 idEvento);

    DECLARED_FIELDS(TDM_FIELDS)

    // Where the declared data lives.
    static constexpr const char* kDeclaredData = ":/forms/uDM.dfm";
};

// The application's data module, once the program has created it.
extern TDM* DM;
