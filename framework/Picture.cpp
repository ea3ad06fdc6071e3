#include "Picture.h"

#include "PictureImpl.h"

Picture::Picture(std::unique_ptr<PictureImpl> impl) : impl_(std::move(impl)) {}
Picture::~Picture() = default;
