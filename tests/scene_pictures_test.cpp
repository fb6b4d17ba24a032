// The scene pictures the build paints into cg/: the field scenes, the wilds, the rare creatures
// and the island's named characters are all full 640 x 480 backgrounds.
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quill {
namespace {

const std::vector<std::string> kFieldScenes = {
    "trager.bmp", "trager2.bmp", "op.bmp",    "op2.bmp",   "yado.bmp",  "dougu.bmp",
    "free.bmp",   "free2.bmp",   "free3.bmp", "free4.bmp", "free5.bmp", "free6.bmp"};

const std::vector<std::string> kCreatureScenes = {
    "vomact.bmp",    "vomact2.bmp", "ghost.bmp",  "henteko.bmp",  "yowakko.bmp",
    "yowakko_s.bmp", "tuyokko.bmp", "dragon.bmp", "dragon_s.bmp", "extra.bmp"};

const std::vector<std::string> kCharacterScenes = {
    "yama.bmp", "musi.bmp",   "sunny.bmp",   "hikaru.bmp", "magical.bmp", "midori.bmp",
    "doku.bmp", "robo.bmp",   "yoiyami.bmp", "ship2.bmp",  "sima.bmp",    "ten.bmp",
    "jis.bmp",  "hajime.bmp", "luka.bmp",    "fanta.bmp"};

QImage load(const std::string& name) {
    return QImage(QString::fromStdString(std::string(QUILLMOOR_BUILD_DIR "/cg/") + name))
        .convertToFormat(QImage::Format_RGB32);
}

// How many different colours a picture uses, counted on a coarse grid.
size_t colourCount(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4) colours.insert(image.pixel(x, y));
    return colours.size();
}

void expectFullScene(const std::string& name) {
    SCOPED_TRACE(name);
    const QImage image = load(name);
    ASSERT_FALSE(image.isNull()) << "missing or unreadable";
    EXPECT_EQ(image.size(), QSize(640, 480));
    EXPECT_GT(colourCount(image), 200u) << "looks like a flat placeholder";
}

TEST(ScenePictures, FieldScenesArePaintedBackgrounds) {
    for (const std::string& name : kFieldScenes) expectFullScene(name);
}

TEST(ScenePictures, RareCreatureScenesArePaintedBackgrounds) {
    for (const std::string& name : kCreatureScenes) expectFullScene(name);
}

TEST(ScenePictures, CharacterScenesArePaintedBackgrounds) {
    for (const std::string& name : kCharacterScenes) expectFullScene(name);
}

TEST(ScenePictures, EveryCharacterHasAPictureOfTheirOwn) {
    std::vector<QImage> images;
    for (const std::string& name : kCharacterScenes) images.push_back(load(name));
    for (size_t i = 0; i < images.size(); ++i) {
        for (size_t j = i + 1; j < images.size(); ++j) {
            EXPECT_NE(images[i], images[j])
                << kCharacterScenes[i] << " and " << kCharacterScenes[j];
        }
    }
}

TEST(ScenePictures, PairedScenesDiffer) {
    // the chest opened, the sickness healed, the knight crowned, the blob's three sizes, the
    // dragon and its child
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"trager.bmp", "trager2.bmp"},  {"op.bmp", "op2.bmp"},
        {"vomact.bmp", "vomact2.bmp"},  {"yowakko.bmp", "yowakko_s.bmp"},
        {"yowakko.bmp", "tuyokko.bmp"}, {"dragon.bmp", "dragon_s.bmp"}};
    for (const auto& [a, b] : pairs) EXPECT_NE(load(a), load(b)) << a << " and " << b;
}

}  // namespace
}  // namespace quill
