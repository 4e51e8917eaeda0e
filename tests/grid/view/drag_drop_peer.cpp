// Another program for the grid's drags under a real X server: it receives a drop and
// prints what came, or starts a drag of a text and a file. It prints "ready X Y W H"
// (its window on the screen) once its window shows, and ends after one drop or drag.
//   drag_drop_peer receive X Y
//   drag_drop_peer send X Y TEXT FILE

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

void Print(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// One line per format: tabs and line breaks written as \t, \r and \n.
QString Escaped(QString Text) {
    return Text.replace('\t', QLatin1String("\\t")).replace('\r', QLatin1String("\\r")).replace('\n', QLatin1String("\\n"));
}

class Receiver : public QWidget {
protected:
    void dragEnterEvent(QDragEnterEvent* event) override { event->acceptProposedAction(); }
    void dragMoveEvent(QDragMoveEvent* event) override { event->acceptProposedAction(); }
    void dropEvent(QDropEvent* event) override {
        const QMimeData* data = event->mimeData();
        for (const QString& format : data->formats()) {
            const QByteArray bytes = data->data(format);
            if (format.startsWith(QLatin1String("text/")))
                Print(format + QLatin1Char('=') + Escaped(QString::fromUtf8(bytes)));
            else
                Print(QStringLiteral("%1 bytes=%2").arg(format).arg(bytes.size()));
        }
        event->acceptProposedAction();
        Print(QStringLiteral("dropped"));
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }
};

class Sender : public QWidget {
public:
    Sender(QString Text, QString File) : FText(std::move(Text)), FFile(std::move(File)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override { FStart = event->position().toPoint(); }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!(event->buttons() & Qt::LeftButton) || FDragging) return;
        if ((event->position().toPoint() - FStart).manhattanLength() < QApplication::startDragDistance()) return;
        FDragging = true;
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(FFile)});
        data->setText(FText);
        drag->setMimeData(data);
        const Qt::DropAction action = drag->exec(Qt::CopyAction);
        Print(QStringLiteral("drag ended %1").arg(int(action)));
        // The target fetches the data after the drag has ended here: this program owns
        // it until then.
        QTimer::singleShot(3000, qApp, &QApplication::quit);
    }

private:
    QString FText;
    QString FFile;
    QPoint FStart;
    bool FDragging = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) return 2;
    QWidget* window = nullptr;
    if (args[1] == QLatin1String("receive")) {
        window = new Receiver;
        window->setAcceptDrops(true);
    } else if (args[1] == QLatin1String("send") && args.size() >= 6) {
        window = new Sender(args[4], args[5]);
    } else {
        return 2;
    }
    window->setWindowTitle(QStringLiteral("Drag peer"));
    window->setGeometry(args[2].toInt(), args[3].toInt(), 300, 200);
    window->show();
    QTimer::singleShot(500, window, [window] {
        const QRect r(window->mapToGlobal(QPoint(0, 0)), window->size());
        Print(QStringLiteral("ready %1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
    });
    // Never left running when the test that started it goes away.
    QTimer::singleShot(30000, &app, &QApplication::quit);
    const int result = app.exec();
    delete window;
    return result;
}
