#include "DataClasses.h"

#include "ClientDataSet.h"
#include "DataSetProvider.h"
#include "DataSource.h"
#include "SQLConnection.h"
#include "SQLQuery.h"
#include "framework/ClassRegistry.h"

void RegisterDataClasses()
{
    RegisterClass<TSQLConnection>();
    RegisterClass<TSQLQuery>();
    RegisterClass<TDataSetProvider>();
    RegisterClass<TClientDataSet>();
    RegisterClass<TDataSource>();
}
