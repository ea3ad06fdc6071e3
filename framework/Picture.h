#pragma once

#include <memory>

struct PictureImpl;

// A picture read from a file.
class Picture {
public:
    explicit Picture(std::unique_ptr<PictureImpl> impl);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Framework use only.
    PictureImpl& Impl() const { return *impl_; }

private:
    std::unique_ptr<PictureImpl> impl_;
};
