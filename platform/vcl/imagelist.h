// TImageList: a list of images of one size, each with an optional transparency mask.
#pragma once

#include <vector>

#include "platform/vcl/bitmap.h"

namespace pxq::vcl {

class TImageList {
 public:
  TImageList() = default;
  TImageList(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size empties the list. Sizes below 1 are taken as 1.
  void SetWidth(int width);
  void SetHeight(int height);

  int Count() const { return static_cast<int>(images_.size()); }

  // Adds the images of a strip: a bitmap n times as wide as the list gives n images (one
  // image, cut or padded with clWhite, when it is narrower or not a multiple). `mask` is a
  // monochrome mask of the same strip (white: transparent), or null for opaque images.
  // Returns the index of the first image added.
  int Add(const TBitmap& image, const TBitmap* mask = nullptr);
  // Adds with the pixels of `maskColor` transparent.
  int AddMasked(const TBitmap& image, TColor maskColor);
  // Deletes one image (nothing for a bad index); Clear deletes all.
  void Delete(int index);
  void Clear() { images_.clear(); }

  // The image at `index` into `image`; for an image with a mask, Transparent is set and the
  // transparent pixels hold TransparentColor (the AddMasked colour, clFuchsia for an image
  // added with a mask bitmap). False for a bad index.
  bool GetBitmap(int index, TBitmap& image) const;
  // The image's mask (white: transparent; all black when opaque); false for a bad index.
  bool GetMask(int index, TBitmap& mask) const;
  // Draws the image at (x, y) of `canvas`, leaving transparent pixels unpainted.
  void Draw(TBitmap& canvas, int x, int y, int index) const;

 private:
  struct Entry {
    TBitmap image;
    TBitmap mask;  // empty when opaque
    TColor transparentColor = clFuchsia;
  };
  int width_ = 16;
  int height_ = 16;
  std::vector<Entry> images_;
};

}  // namespace pxq::vcl
