#pragma once
// File buffers that fail as a full disk does: one when its bytes are flushed (they do reach
// the file, as a close that loses them would), one at every write.

#include <fstream>
#include <memory>

class CFlushFailingBuffer : public std::filebuf {
 public:
  static std::unique_ptr<std::filebuf> Make() { return std::make_unique<CFlushFailingBuffer>(); }

 protected:
  int sync() override {
    std::filebuf::sync();
    return -1;
  }
};

class CWriteFailingBuffer : public std::filebuf {
 public:
  static std::unique_ptr<std::filebuf> Make() { return std::make_unique<CWriteFailingBuffer>(); }

 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char_type*, std::streamsize) override { return 0; }
};
