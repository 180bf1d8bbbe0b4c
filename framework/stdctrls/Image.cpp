#include "framework/stdctrls/Image.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Exceptions.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/ScaledResource.h"
#include "framework/windows/WinControl.h"

#include <cstdint>
#include <cstring>
#include <utility>

// --- TPicture

const TClassInfo& TPicture::StaticClass() {
    static const TClassInfo info = DescribeClass<TPicture>("TPicture", &TPersistent::StaticClass(),
                                                           [](TClassBuilder<TPicture>&) {});
    return info;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Take(std::unique_ptr<TGraphic> graphic) {
    FGraphic = std::move(graphic);
    if (FGraphic)
        FGraphic->OnChange = TNotifyEvent(this, &TPicture::GraphicChanged);
    Changed();
}

void TPicture::Changed() {
    if (OnChange)
        OnChange(this);
}

void TPicture::SetGraphic(const TGraphic* graphic) {
    if (!graphic) {
        Take(nullptr);
        return;
    }
    const auto* bitmap = dynamic_cast<const TBitmap*>(graphic);
    if (!bitmap)
        throw EConvertError("Cannot assign a " + graphic->ClassName() + " to a TPicture");
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(bitmap);
    Take(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
    if (auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get()))
        return bitmap;
    Take(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(FGraphic.get());
}

int TPicture::Width() const {
    return FGraphic ? FGraphic->Width() : 0;
}
int TPicture::Height() const {
    return FGraphic ? FGraphic->Height() : 0;
}

void TPicture::Assign(const TPersistent* source) {
    if (!source)
        SetGraphic(nullptr);
    else if (const auto* picture = dynamic_cast<const TPicture*>(source))
        SetGraphic(picture->Graphic());
    else if (const auto* graphic = dynamic_cast<const TGraphic*>(source))
        SetGraphic(graphic);
    else
        TPersistent::Assign(source);
}

void TPicture::AssignTo(TPersistent* dest) const {
    if (FGraphic && dynamic_cast<TGraphic*>(dest))
        dest->Assign(FGraphic.get());
    else
        TPersistent::AssignTo(dest);
}

void TPicture::LoadFromResource(const std::string& name, int pixelsPerInch) {
    if (name.empty()) {
        Take(nullptr);
        return;
    }
    auto bitmap = std::make_unique<TBitmap>();
    LoadScaledResource(*bitmap, name, pixelsPerInch, 96);
    Take(std::move(bitmap));
}

// --- TImage

const TClassInfo& TImage::StaticClass() {
    static const TClassInfo info = DescribeClass<TImage>(
        "TImage", &TGraphicControl::StaticClass(), [](TClassBuilder<TImage>& c) {
            c.Bool("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false);
            c.Bool("Center", &TImage::Center, &TImage::SetCenter, false);
            c.Resource("Picture", &TImage::PictureResource, &TImage::SetPictureResource);
            c.Bool("Stretch", &TImage::Stretch, &TImage::SetStretch, false);
            c.Bool("Transparent", &TImage::Transparent, &TImage::SetTransparent, false);
        });
    return info;
}

const TMessageMap& TImage::StaticMessageMap() {
    static const TMessageMap map(&TGraphicControl::StaticMessageMap(),
                                 {MessageHandler<CM_HITTEST, &TImage::CMHitTest>()});
    return map;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>()) {
    FControlStyle |= csReplicatable;
    FWidth = 105;
    FHeight = 105;
    FPicture->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
}

TImage::~TImage() {
    FPicture->OnChange = nullptr;
}

void TImage::SetPictureResource(const std::string& name) {
    FPicture->LoadFromResource(name, FormPixelsPerInch(this));
    FPictureResource = name;
}

void TImage::ChangeScale(int m, int d) {
    TGraphicControl::ChangeScale(m, d);
    if (!FPictureResource.empty())
        SetPictureResource(FPictureResource);
}

TCanvas* TImage::Canvas() {
    if (!FPicture->Graphic())
        FPicture->Bitmap()->SetSize(Width(), Height());
    return FPicture->Bitmap()->Canvas();
}

void TImage::SetAutoSize(bool value) {
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    PictureChanged(this);
}

void TImage::SetStretch(bool value) {
    if (value == FStretch)
        return;
    FStretch = value;
    PictureChanged(this);
}

void TImage::SetCenter(bool value) {
    if (value == FCenter)
        return;
    FCenter = value;
    PictureChanged(this);
}

void TImage::SetTransparent(bool value) {
    if (value == FTransparent)
        return;
    FTransparent = value;
    PictureChanged(this);
}

void TImage::PictureChanged(TObject*) {
    if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
        SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
    if (TGraphic* graphic = FPicture->Graphic())
        graphic->SetTransparent(FTransparent);
    UpdateOpaque();
    Invalidate();
}

TRect TImage::DestRect() const {
    if (FStretch)
        return ClientRect();
    TRect rect = Bounds(0, 0, FPicture->Width(), FPicture->Height());
    if (FCenter)
        OffsetRect(rect, (Width() - rect.Width()) / 2, (Height() - rect.Height()) / 2);
    return rect;
}

// Where the picture covers the whole control, nothing of the parent needs painting beneath it.
void TImage::UpdateOpaque() {
    const TRect dest = DestRect();
    const TRect client = ClientRect();
    const bool covers = FPicture->Graphic() && !FTransparent && dest.Left <= client.Left &&
                        dest.Top <= client.Top && dest.Right >= client.Right &&
                        dest.Bottom >= client.Bottom;
    SetOpaque(covers);
}

void TImage::CMHitTest(TMessage& message) {
    const TPoint local = LParamToPoint(message.LParam);
    const TPoint onParent{local.x + Left(), local.y + Top()};
    message.Result = !Parent() || PtInRect(Parent()->ClientRect(), onParent) ? 1 : 0;
}

void TImage::SetBounds(int left, int top, int width, int height) {
    TGraphicControl::SetBounds(left, top, width, height);
    UpdateOpaque();
}

void TImage::Paint() {
    TCanvas& canvas = *TGraphicControl::Canvas();
    const TRect shown = IntersectRect(DestRect(), ClientRect());
    // A paint of the whole picture shows every change made on its canvas so far.
    if (IntersectRect(canvas.ClipRect(), shown) == shown)
        TakeCanvasChanges();
    canvas.StretchDraw(DestRect(), FPicture->Graphic());
}

TRect TImage::TakeCanvasChanges() {
    auto* bitmap = dynamic_cast<TBitmap*>(FPicture->Graphic());
    if (!bitmap)
        return {};
    TRect changed = bitmap->Canvas()->TakeDirty();
    if (changed.IsEmpty())
        return {};
    if (FStretch)
        return ClientRect();
    const TRect dest = DestRect();
    OffsetRect(changed, dest.Left, dest.Top);
    return IntersectRect(changed, ClientRect());
}

namespace {

// Words [first, last) of two rows of n words where they differ; first == last when equal.
// memcmp finds equal stretches much faster than a word loop.
std::pair<int, int> DiffSpan(const std::uint32_t* a, const std::uint32_t* b, int n) {
    constexpr int chunk = 32;
    const auto bytes = [](int words) {
        return static_cast<std::size_t>(words) * 4;
    };
    if (std::memcmp(a, b, bytes(n)) == 0)
        return {0, 0};
    int first = 0;
    while (first + chunk < n && std::memcmp(a + first, b + first, bytes(chunk)) == 0)
        first += chunk;
    while (a[first] == b[first])
        ++first;
    int last = n;
    while (last - chunk > first &&
           std::memcmp(a + last - chunk, b + last - chunk, bytes(chunk)) == 0)
        last -= chunk;
    while (a[last - 1] == b[last - 1])
        --last;
    return {first, last};
}

} // namespace

void TImage::ShowChanges(const TRect& area) {
    const auto* bitmap = static_cast<const TBitmap*>(FPicture->Graphic());
    TCanvas& screen = *TGraphicControl::Canvas();
    const TRect visible = IntersectRect(area, screen.ClipRect());
    if (visible.IsEmpty())
        return;
    HDC dc = screen.Handle();
    const TPoint dest = DestRect().TopLeft();
    TRect changed;
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        const std::uint32_t* shown =
            dc->Target->Row(y + dc->Origin.y) + visible.Left + dc->Origin.x;
        const std::uint32_t* drawn = bitmap->ScanLine(y - dest.y) + (visible.Left - dest.x);
        const auto [first, last] = DiffSpan(shown, drawn, visible.Width());
        if (first < last)
            changed = UnionRect(changed, {visible.Left + first, y, visible.Left + last, y + 1});
    }
    if (changed.IsEmpty())
        return;
    const TRect all{0, 0, bitmap->Width(), bitmap->Height()};
    dc->Blit(changed, bitmap->Pixels(), all, {changed.Left - dest.x, changed.Top - dest.y},
             SRCCOPY);
}

void TImage::Repaint() {
    const TRect changed = TakeCanvasChanges();
    const bool direct = Parent() && Showing() && !FStretch && !FTransparent &&
                        (ControlStyle() & csOpaque) && dynamic_cast<TBitmap*>(FPicture->Graphic());
    if (changed.IsEmpty() || !direct) {
        TGraphicControl::Repaint();
        return;
    }
    ShowChanges(changed);
    Parent()->Update();
}
