#pragma once
// The fields a form or module keeps for its declared components, named once.
//
// The class lists them as (class, name) pairs in one list macro,
//
//     #define TDM_FIELDS(FIELD) FIELD(TSQLConnection, ConectMysql) FIELD(TSQLQuery, qryEmpresa)
//
// declares them inside the class with DECLARED_FIELDS(TDM_FIELDS), and after loading its
// declared data binds them with BIND_DECLARED_FIELDS(TDM_FIELDS): each field becomes the
// owned component of its own name, and a missing or differently typed component raises
// Exception (ComponentByName), so a declared file that lost a control fails at creation.
#define DECLARED_FIELD_MEMBER(Type, Name) Type* Name = nullptr;
#define DECLARED_FIELD_BIND(Type, Name) Name = ComponentByName<Type>(QStringLiteral(#Name));

#define DECLARED_FIELDS(LIST) LIST(DECLARED_FIELD_MEMBER)
#define BIND_DECLARED_FIELDS(LIST) LIST(DECLARED_FIELD_BIND)
