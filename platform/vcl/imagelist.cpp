#include "platform/vcl/imagelist.h"

#include <algorithm>

namespace pxq::vcl {

TImageList::TImageList(int width, int height)
    : width_(std::max(1, width)), height_(std::max(1, height)) {}

void TImageList::SetWidth(int width) {
  width = std::max(1, width);
  if (width == width_) return;
  width_ = width;
  Clear();
}

void TImageList::SetHeight(int height) {
  height = std::max(1, height);
  if (height == height_) return;
  height_ = height;
  Clear();
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
  const int first = Count();
  const int count = std::max(1, image.Width() / width_);
  for (int k = 0; k < count; ++k) {
    const TRect part = Bounds(k * width_, 0, width_, height_);
    Entry e;
    e.image = TBitmap(width_, height_);
    e.image.CopyRect(Bounds(0, 0, width_, height_), image, part);
    if (mask) {
      TBitmap m(width_, height_);  // parts the mask does not cover stay white: transparent
      m.CopyRect(Bounds(0, 0, width_, height_), *mask, part);
      m.SetMonochrome(true);
      e.mask = std::move(m);
    }
    images_.push_back(std::move(e));
  }
  return first;
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
  TBitmap mask = image.CreateMask(maskColor);
  const int first = Add(image, &mask);
  for (size_t i = static_cast<size_t>(first); i < images_.size(); ++i) {
    images_[i].transparentColor = ColorToRGB(maskColor);
  }
  return first;
}

void TImageList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  images_.erase(images_.begin() + index);
}

bool TImageList::GetBitmap(int index, TBitmap& image) const {
  if (index < 0 || index >= Count()) return false;
  const Entry& e = images_[static_cast<size_t>(index)];
  TBitmap out = e.image;
  if (!e.mask.Empty()) {
    for (int y = 0; y < out.Height(); ++y) {
      for (int x = 0; x < out.Width(); ++x) {
        if (e.mask.Pixel(x, y) == clWhite) out.SetPixel(x, y, e.transparentColor);
      }
    }
    out.SetTransparentColor(e.transparentColor);
    out.SetTransparent(true);
  }
  image = std::move(out);
  return true;
}

bool TImageList::GetMask(int index, TBitmap& mask) const {
  if (index < 0 || index >= Count()) return false;
  const Entry& e = images_[static_cast<size_t>(index)];
  if (e.mask.Empty()) {
    TBitmap opaque(width_, height_);
    opaque.Fill(clBlack);
    opaque.SetMonochrome(true);
    mask = std::move(opaque);
  } else {
    mask = e.mask;
  }
  return true;
}

void TImageList::Draw(TBitmap& canvas, int x, int y, int index) const {
  if (index < 0 || index >= Count()) return;
  const Entry& e = images_[static_cast<size_t>(index)];
  for (int j = 0; j < e.image.Height(); ++j) {
    for (int i = 0; i < e.image.Width(); ++i) {
      if (e.mask.Empty() || e.mask.Pixel(i, j) == clBlack) {
        canvas.SetPixel(x + i, y + j, e.image.Pixel(i, j));
      }
    }
  }
}

}  // namespace pxq::vcl
