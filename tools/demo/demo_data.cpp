// Makes the demo's world: a studio's database rows, the high-resolution photo tree on
// disk, and the index the demo web site serves photo pages from. Everything is derived
// from a fixed seed, so every run of the demo shows the same studio.
//
// Usage: demo_data OUTDIR
//   OUTDIR/demo.sql          rows for empresa, usuario, tipo_evento, evento,
//                            evento_localizador and x9_foto_escolhida (UTF-8)
//   OUTDIR/fotos/...         the high-resolution tree: small JPEGs, some nested deep,
//                            some only in hidden folders, some missing altogether
//   OUTDIR/web/index.tsv     id_foto_escolhida, file name and event of every chosen
//                            photo
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextStream>
#include <cstdio>

namespace {

struct EventType {
    int id;
    const char* description;
};

constexpr EventType kEventTypes[] = {
    { 1, "Casamento" },
    { 2, "Aniversário de 15 anos" },
    { 3, "Formatura" },
    { 4, "Batizado" },
    { 5, "Ensaio de gestante" },
};

const char* EventTypeDescription(int id)
{
    for (const EventType& type : kEventTypes)
        if (type.id == id) return type.description;
    return "";
}

struct DemoEvent {
    int id;
    int company;
    int type;
    const char* date;
    const char* client;
    const char* hour;
    const char* folder;
    QStringList searchTexts;
    int photosPerCategory[5]; // categories 7, 8, 9, 5, 6
};

constexpr int kCategoryIds[5] = { 7, 8, 9, 5, 6 };

QList<DemoEvent> DemoEvents()
{
    return {
        { 101, 1, 1, "2026-05-16", "Maria da Conceição Alves", "16:00", "2026-05-16 Casamento Maria e João",
            { "maria da conceição alves", "casamento maria e joão", "2026-101" }, { 40, 6, 12, 60, 2 } },
        { 102, 1, 2, "2026-06-20", "Ana Beatriz Gonçalves", "21:00", "2026-06-20 Quinze anos Ana Beatriz",
            { "ana beatriz gonçalves", "15 anos ana beatriz", "2026-102" }, { 25, 0, 8, 45, 1 } },
        { 103, 1, 3, "2026-07-11", "João Pedro Araújo", "19:30", "2026-07-11 Formatura Medicina",
            { "joão pedro araújo", "formatura medicina ufmg", "2026-103" }, { 18, 4, 0, 30, 1 } },
        { 104, 1, 4, "2026-08-02", "Luíza Fernandes Simões", "10:00", "2026-08-02 Batizado Luíza",
            { "luíza fernandes simões", "batizado luíza", "2026-104" }, { 12, 0, 5, 20, 1 } },
        { 105, 1, 5, "2026-09-13", "Patrícia Mendonça Lima", "09:00", "2026-09-13 Ensaio gestante Patrícia",
            { "patrícia mendonça lima", "ensaio gestante", "2026-105" }, { 10, 2, 3, 0, 1 } },
        { 106, 1, 1, "2026-10-24", "Conceição Antunes Brandão", "17:00",
            "2026-10-24 Casamento Conceição e Luís",
            { "conceição antunes brandão", "casamento conceição e luís", "2026-106" }, { 0, 0, 0, 0, 0 } },
        { 107, 1, 3, "2026-11-28", "Rafael Costa Nogueira", "20:00", "2026-11-28 Formatura Direito",
            { "rafael costa nogueira", "formatura direito puc", "2026-107" }, { 8, 0, 2, 6, 1 } },
        // Another studio's event: never visible to the demo studio.
        { 201, 2, 1, "2026-05-16", "Mariana Souza", "15:00", "outro estudio",
            { "mariana souza", "casamento mariana" }, { 5, 0, 0, 0, 0 } },
    };
}

QString SqlText(const QString& s)
{
    QString out = s;
    out.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("''"));
    return u'\'' + out + u'\'';
}

// A small photo that says what it is, in a colour of its own.
void WritePhoto(const QString& path, const QString& name, int seed)
{
    QImage image(360, 240, QImage::Format_RGB32);
    QPainter p(&image);
    const int hue = (seed * 47) % 360;
    QLinearGradient g(0, 0, 360, 240);
    g.setColorAt(0, QColor::fromHsv(hue, 90, 230));
    g.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 140, 120));
    p.fillRect(image.rect(), g);
    p.setPen(QColor(255, 255, 255, 220));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(26);
    f.setBold(true);
    p.setFont(f);
    p.drawText(image.rect(), Qt::AlignCenter, name);
    p.end();
    QDir().mkpath(QFileInfo(path).absolutePath());
    image.save(path, "JPG", 80);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.filePath("web"));
    QFile sqlFile(out.filePath("demo.sql"));
    QFile indexFile(out.filePath("web/index.tsv"));
    if (!sqlFile.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || !indexFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s: cannot write into %s\n", argv[0], argv[1]);
        return 1;
    }
    QTextStream sql(&sqlFile);
    QTextStream index(&indexFile);
    sql << "SET NAMES utf8mb4;\n";
    sql << "INSERT INTO empresa (id_empresa, razao, nome_fantazia) VALUES\n"
        << "  (1, 'Zelvarion Fotografia e Vídeo Ltda.', 'Estúdio Zelvarion'),\n"
        << "  (2, 'Foco Certo Produções Fotográficas ME', 'Foco Certo');\n";
    // Logins are stored in lower case and passwords in upper case, as the login window
    // converts what is typed.
    sql << "INSERT INTO usuario (login, senha, nome, id_empresa) VALUES\n"
        << "  ('demo', 'DEMO', 'Demonstração', 1),\n"
        << "  ('joana', 'FOTO2026', 'Joana Brandão', 1),\n"
        << "  ('focado', 'CERTO', 'Caio Ribeiro', 2);\n";
    sql << "INSERT INTO tipo_evento (id_tipo_evento, descricao) VALUES\n";
    for (size_t i = 0; i < std::size(kEventTypes); ++i)
        sql << "  (" << kEventTypes[i].id << ", " << SqlText(QString::fromUtf8(kEventTypes[i].description))
            << ")" << (i + 1 < std::size(kEventTypes) ? ",\n" : ";\n");

    QRandomGenerator rng(481736);
    int photoId = 5000;
    int photoNumber = 1000;
    for (const DemoEvent& e : DemoEvents()) {
        sql << QStringLiteral(
            "INSERT INTO evento (id_evento, id_empresa, id_tipo_evento, data_evento, nome, hora, "
            "tel_residencial, tel_comercial, tel_celular) VALUES (%1, %2, %3, '%4', %5, '%6', "
            "'(31) 3222-%7', '(31) 3555-%8', '(31) 99876-%9');\n")
                   .arg(e.id)
                   .arg(e.company)
                   .arg(e.type)
                   .arg(QString::fromLatin1(e.date))
                   .arg(SqlText(QString::fromUtf8(e.client)))
                   .arg(QString::fromLatin1(e.hour))
                   .arg(1000 + e.id)
                   .arg(2000 + e.id)
                   .arg(3000 + e.id);
        for (const QString& text : e.searchTexts)
            sql << "INSERT INTO evento_localizador (id_evento, localizador) VALUES (" << e.id << ", "
                << SqlText(text) << ");\n";

        const QString eventDir = QStringLiteral("fotos/") + QString::fromUtf8(e.folder);
        // The event as the web site names it on a photo's page.
        const QString eventText
            = QStringLiteral("%1 · %2 · %3")
                  .arg(QString::fromUtf8(EventTypeDescription(e.type)), QString::fromUtf8(e.client),
                      QDate::fromString(QString::fromLatin1(e.date), Qt::ISODate)
                          .toString(QStringLiteral("dd/MM/yyyy")));
        const QStringList parts = { QStringLiteral("Cerimônia"), QStringLiteral("Festa/Salão"),
            QStringLiteral("Making of"), QStringLiteral("Externas/Praça da Liberdade") };
        for (int c = 0; c < 5; ++c) {
            for (int k = 0; k < e.photosPerCategory[c]; ++k) {
                // Photos recur across categories, as clients pick the same favourite for
                // an enlargement and for the album.
                const bool reuse = c > 0 && k % 4 == 0 && photoNumber > 1010;
                const int number = reuse ? photoNumber - 7 : ++photoNumber;
                const QString name
                    = (number % 9 == 0 ? QStringLiteral("DSC_%1.JPG") : QStringLiteral("IMG_%1.jpg"))
                          .arg(number, 4, 10, QChar(u'0'));
                ++photoId;
                sql << "INSERT INTO x9_foto_escolhida (id_foto_escolhida, id_empresa, id_evento, "
                       "id_x9_local, nome_foto) VALUES ("
                    << photoId << ", " << e.company << ", " << e.id << ", " << kCategoryIds[c] << ", "
                    << SqlText(name) << ");\n";
                QString where;
                const int roll = static_cast<int>(rng.bounded(100));
                if (e.company != 1)
                    where = QString(); // the other studio's photos are not here
                else if (roll < 4)
                    where = QString(); // missing from the tree
                else if (roll < 8)
                    where = eventDir + QStringLiteral("/.lixeira"); // only in a hidden folder
                else
                    where = eventDir + u'/' + parts.at(static_cast<int>(rng.bounded(parts.size())));
                if (!where.isEmpty() && !reuse) WritePhoto(out.filePath(where + u'/' + name), name, number);
                index << photoId << '\t' << name << '\t' << eventText << '\n';
            }
        }
        // Photos the client did not choose fill the folders too.
        if (e.company == 1)
            for (int k = 0; k < 12; ++k) {
                const QString name = QStringLiteral("IMG_%1.jpg").arg(++photoNumber, 4, 10, QChar(u'0'));
                WritePhoto(out.filePath(eventDir + u'/' + parts.at(k % parts.size()) + u'/' + name), name,
                    photoNumber);
            }
    }
    // A choice in a category the desktop does not know (the web site has more).
    sql << "INSERT INTO x9_foto_escolhida (id_foto_escolhida, id_empresa, id_evento, id_x9_local, nome_foto) "
           "VALUES ("
        << ++photoId << ", 1, 101, 4, 'IMG_0999.jpg');\n";
    std::printf("%d chosen photos\n", photoId - 5000);
    return 0;
}
