#pragma once
// The parsed form of a declared-data file: objects with properties and nested objects,
// each remembering its line so that every later error can name it.
//
// The text looks like this:
//
//   object frmLogin: TfrmLogin
//     Caption = 'Login'
//     Font.Height = -11
//     BorderIcons = [biSystemMenu]
//     object edtLogin: TEdit
//       OnKeyPress = edtLoginKeyPress
//     end
//     object qry: TSQLQuery
//       SQL.Strings = (
//         'select *'
//         'from usuario')
//       Params = <
//         item
//           Name = 'login'
//         end>
//     end
//   end
//
// Strings are quoted with ' (a doubled '' is one quote) and may be joined with +;
// #nnn inserts character nnn. Binary data is hexadecimal between { and }.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

struct TDeclaredItem;

struct TDeclaredValue {
    enum Kind { Integer, Float, String, Identifier, Set, List, Binary, Collection };
    Kind kind = Integer;
    qint64 integer = 0;
    double real = 0;
    QString text; // String; Identifier (may hold dots: DM.vnSkinData1)
    QStringList names; // Set
    QList<TDeclaredValue> list; // List
    QByteArray bytes; // Binary
    QList<TDeclaredItem> items; // Collection
    int line = 0;

    QString Describe() const;
};

struct TDeclaredProperty {
    QString path; // Font.Name, SQL.Strings, Caption
    TDeclaredValue value;
    int line = 0;
};

struct TDeclaredItem {
    QList<TDeclaredProperty> properties;
    int line = 0;
};

struct TDeclaredObject {
    QString name;
    QString className;
    QList<TDeclaredProperty> properties;
    QList<TDeclaredObject> children;
    int line = 0;
};

// Parses a whole file; throws Exception("<file>:<line>: ...") on a syntax error.
TDeclaredObject ParseDeclared(const QString& text, const QString& fileName);
