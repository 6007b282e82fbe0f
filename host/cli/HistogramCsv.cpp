#include "host/cli/HistogramCsv.h"

#include <cstdio>

#include "analysis/FnHistogramAnalyser.h"
#include "host/cli/CommandArgs.h"
#include "host/common/FrameConvert.h"
#include "host/common/ImageFile.h"
#include "host/common/UserText.h"

namespace {

// Counts a file as the tone-curves page counts a frame, over the region when
// one is given (already clipped to the image).
template <class Analyser, class Elem>
void countFrame(int w, int h, Elem* rgba, const std::optional<DSRect>& roi,
                FnDynamicHistogram& counts) {
    typename Analyser::Image img;
    img.wrap(w, h, rgba);
    counts.SetShape(Analyser::kChannels, Analyser::kBins);
    Analyser a;
    if (roi) a.setRegion(roi->x, roi->y, roi->x + roi->width - 1, roi->y + roi->height - 1);
    a.run(&img, &counts);
}

}  // namespace

bool countFile(const std::string& path, const std::optional<DSRect>& roi,
               const std::string& roiText, const WorkingSpace& working, FnDynamicHistogram& counts,
               std::string& error) {
    UnsignedFrame img;
    if (working.active()) {
        FrameImage frame;
        FileInfo info;
        if (!readFrame(path, PixelDepth::Auto, frame, info, error) ||
            !working.accepts(frame, path, error))
            return false;
        working.into().apply(frame);
        unsignedFromFloat(frame, img);
    } else if (!readUnsigned(path, img, error)) {
        return false;
    }
    std::optional<DSRect> region;
    if (roi && !(region = clipRoi(*roi, img.width, img.height))) {
        error = "--roi " + quotedText(roiText) + " lies wholly outside " + quotedText(path);
        return false;
    }
    if (img.eightBit)
        countFrame<FnHistogramAnalyser8>(img.width, img.height, img.rgba8.data(), region, counts);
    else
        countFrame<FnHistogramAnalyser16>(img.width, img.height, img.rgba16.data(), region, counts);
    if (!counts.hasStorage()) {
        error = "out of memory counting " + quotedText(path);
        return false;
    }
    return true;
}

std::string countsCsv(const FnDynamicHistogram& counts) {
    std::string text = "bin,red,green,blue,alpha,grey\n";
    text.reserve(size_t(counts.binCount()) * 24);
    char line[80];
    for (uint32_t b = 0; b < counts.binCount(); ++b) {
        const int n = std::snprintf(line, sizeof line, "%u,%u,%u,%u,%u,%u\n", b, counts.bins(0)[b],
                                    counts.bins(1)[b], counts.bins(2)[b], counts.bins(3)[b],
                                    counts.bins(4)[b]);
        text.append(line, size_t(n));
    }
    return text;
}
