#pragma once
// The chain a data-aware control reads through, as the data module builds it: the rows
// `sql` selects on the test database, copied by a provider ("dsp") into an in-memory
// table, and a data source on that table. Nothing connects until the table opens.
#include "framework/data/ClientDataSet.h"
#include "framework/data/DataSetProvider.h"
#include "framework/data/DataSource.h"
#include "framework/data/SQLConnection.h"
#include "framework/data/SQLQuery.h"
#include "support/TestDb.h"

#include <memory>

namespace testdb {

struct QueryTable {
    explicit QueryTable(const QString& sql)
    {
        Configure(*connection, Port());
        query->SetSQLConnection(connection);
        query->SetSQL({ sql });
        provider->SetName("dsp");
        provider->SetDataSet(query);
        table->SetProviderName("dsp");
        source->SetDataSet(table);
    }
    // The rows read, and the connection closed again: the table lives on its own copy.
    void Open()
    {
        query->Open();
        table->Open();
        connection->SetConnected(false);
    }

    std::unique_ptr<TComponent> owner = std::make_unique<TComponent>();
    TSQLConnection* connection = new TSQLConnection(owner.get());
    TSQLQuery* query = new TSQLQuery(owner.get());
    TDataSetProvider* provider = new TDataSetProvider(owner.get());
    TClientDataSet* table = new TClientDataSet(owner.get());
    TDataSource* source = new TDataSource(owner.get());
};

} // namespace testdb
