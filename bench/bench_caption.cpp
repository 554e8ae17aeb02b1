#include "benchregistry.h"

#include "captionbitmap.h"
#include "titleosdrules.h"

#include <QElapsedTimer>
#include <QVector>

#include <algorithm>

namespace {

// A 40-character caption at size 200, rendered and converted to the bitmap the device
// gets, as the caption dialog does on upload. Each round shifts the text so no two
// rounds render the same string.
int runCaptionBench(const QStringList &args)
{
    const int rounds = args.isEmpty() ? 15 : qMax(1, args.first().toInt());
    const QString base = QStringLiteral("Welcome to the ZEL hall - doors open 9:30");
    const QFont font =
        TitleOsdRules::font(QStringLiteral("Microsoft YaHei UI"), 200, false, false, false);
    QVector<double> ms;
    qint64 bytes = 0;
    for (int i = 0; i <= rounds; ++i) {
        const QString text = (base.mid(i % base.size()) + base).left(40);
        QElapsedTimer clock;
        clock.start();
        const QByteArray bmp = CaptionBitmap::bmpBytes(
            CaptionBitmap::toMonochrome(CaptionBitmap::renderText(text, font)));
        const double elapsed = clock.nsecsElapsed() / 1e6;
        bytes = bmp.size();
        // The first round loads the font; what an operator waits for is the rest.
        if (i > 0)
            ms << elapsed;
    }
    std::sort(ms.begin(), ms.end());
    printFigure(QStringLiteral("caption_render_ms"), ms.at(ms.size() / 2), QStringLiteral("ms"));
    printFigure(QStringLiteral("caption_render_bytes"), double(bytes), QStringLiteral("bytes"));
    return 0;
}

const BenchRegistration reg("caption",
                            "render a 40-character caption at size 200 to the device's bitmap",
                            &runCaptionBench);

} // namespace
