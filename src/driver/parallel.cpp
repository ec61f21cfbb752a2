#include "driver/parallel.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <streambuf>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "deck/block_lines.h"
#include "state/fatal.h"
#include "state/state_compare.h"

#if defined(__GLIBC__)
#include <malloc.h>
#include <pthread.h>
#include <sched.h>
#endif

namespace ss {

namespace {

// A stream over deck text held in memory.
class TextBuf : public std::streambuf {
public:
  explicit TextBuf(const std::string &text) {
    char *begin = const_cast<char *>(text.data()); // read only: the get area is never written
    setg(begin, begin, begin + text.size());
  }
};

enum class ChunkEnd {
  kClean,   // the text ran out where a problem was to begin
  kOverrun, // a problem needed lines past the text: it and what follows belong to the next run
  kDeckEnd, // the deck ended
  kFatal,   // a fatal diagnostic
  kJoined,  // stopped between two problems where the caller asked
};

// The output of running some deck text from a state. Cleared for reuse, it keeps its buffers.
struct TextRun {
  Report out;                           // report bytes, held in memory
  std::vector<ProblemState> results;    // the states handed to results_printed, in order
  std::vector<ProblemOutcome> outcomes; // the outcomes handed to problem_ended, in order
  ChunkEnd end = ChunkEnd::kClean;
  long end_line = 0; // the line the next problem starts at
  std::string fatal; // the diagnostic of kFatal
  long problems = 0; // problems begun (an undone one included)

  void clear() {
    out.clear();
    results.clear();
    outcomes.clear();
    end = ChunkEnd::kClean;
    end_line = 0;
    fatal.clear();
    problems = 0;
  }
};

// The deck text of a run and what it ends with.
struct Text {
  const std::string &lines;      // whole lines, each ending in '\n'
  long first;                    // the number of its first line
  bool deck_end;                 // the deck ends after it
  const std::string &read_error; // the deck could not be read past it
};

struct Context {
  const DesignRoutines &routines;
  const RunStamp &stamp;
  const std::string &deck_name;
  bool exporting;
  int checkpoint_every;
};

// Called between two problems, with the state and the run so far (r.end_line is the line the
// next problem starts at); true stops the run there.
using Between = std::function<bool(const ProblemState &, TextRun &)>;

// Runs whole problems of `text` from `st` until the text runs out between two problems, a
// problem runs past it (that problem is undone: state, report and results), the deck ends, a
// fatal diagnostic or `between` stops it.
void run_text(const Context &cx, const Text &text, ProblemState &st, TextRun &r, const Between &between) {
  TextBuf buf(text.lines);
  std::istream in(&buf);
  DeckReader deck(in, cx.deck_name, text.first);
  Run run{st, r.out, deck};
  if (cx.exporting) run.results_printed = [&r](const ProblemState &s) { r.results.push_back(s); };
  run.problem_ended = [&r](const ProblemOutcome &o) { r.outcomes.push_back(o); };
  auto saved = std::make_unique<ProblemState>();
  for (;; ++r.problems) {
    r.end_line = deck.next_line();
    if (!text.deck_end && deck.at_end()) return;
    if (between && between(st, r)) {
      r.end = ChunkEnd::kJoined;
      return;
    }
    *saved = st;
    const std::size_t bytes = r.out.buffered().size(), results = r.results.size(),
                      outcomes = r.outcomes.size();
    try {
      run_next_problem(run, cx.routines, cx.stamp);
    } catch (const EndOfDeck &) {
      if (text.deck_end) {
        r.end = text.read_error.empty() ? ChunkEnd::kDeckEnd : ChunkEnd::kFatal;
        r.fatal = text.read_error;
        return;
      }
      st = *saved;
      r.out.truncate(bytes);
      r.results.resize(results);
      r.outcomes.resize(outcomes);
      r.end = ChunkEnd::kOverrun;
      return;
    } catch (const FatalError &e) {
      r.end = ChunkEnd::kFatal;
      r.fatal = e.what();
      return;
    }
  }
}

// A point between two problems of a chunk's run, kept so that a run again from the true state
// can join it: from a line where both runs stand with equal states, they go on alike.
struct Checkpoint {
  long line = 0;         // the line the next problem starts at
  std::size_t bytes = 0; // report bytes written before it
  std::size_t results = 0, outcomes = 0;
  ProblemState st;
};

// A chunk's report room: a few kilobytes a problem. The pages are the system's until written
// (a buffer this size is mapped on its own), and a report that fits is never copied to grow.
// Only the first chunks made get it, so that many threads do not claim a gigabyte of addresses.
constexpr std::size_t kReportRoom = 4u << 20;
constexpr std::size_t kRoomyChunks = 16;

struct Chunk {
  long first = 1;         // the number of its first line
  long lines = 0;         // lines held
  std::string text;       // the lines, each ending in '\n'
  bool deck_end = false;  // the deck ends with it
  std::string read_error; // the deck could not be read past it
  std::string warm_text;  // the chunk before from one of its last titles on
  long warm_first = 0;

  // Filled by the thread that runs it.
  std::unique_ptr<ProblemState> end = std::make_unique<ProblemState>();
  TextRun warm; // the warm-up's output, thrown away
  TextRun run;
  std::vector<std::unique_ptr<Checkpoint>> checkpoints; // the first `kept` are this run's, in order
  std::size_t kept = 0;
  std::exception_ptr error;
  bool done = false;

  // Empties the chunk for the next text, keeping its buffers.
  void clear() {
    lines = 0;
    text.clear();
    deck_end = false;
    read_error.clear();
    warm_text.clear();
    warm_first = 0;
    warm.clear();
    run.clear();
    kept = 0;
    error = nullptr;
    done = false;
  }
  void keep(const ProblemState &st, const TextRun &r) {
    if (kept == checkpoints.size()) checkpoints.push_back(std::make_unique<Checkpoint>());
    Checkpoint &p = *checkpoints[kept++];
    p = {r.end_line, r.out.buffered().size(), r.results.size(), r.outcomes.size(), st};
  }
};

// Runs a chunk from the state its warm-up leaves, the warm-up starting from the latest proved
// state (any start will do: only the comparison proves anything), keeping a checkpoint at its
// start, after its first, second and fourth problems and every `checkpoint_every` problems.
void speculate(const Context &cx, Chunk &c, const ProblemState &latest) {
  ProblemState &st = *c.end;
  st = latest;
  if (!c.warm_text.empty()) {
    const std::string none;
    Context warm = cx;
    warm.exporting = false; // its results are thrown away
    run_text(warm, {c.warm_text, c.warm_first, false, none}, st, c.warm, nullptr);
  }
  // Also after the first, second and fourth problems: a state the warm-up missed (an entry of
  // a table that only some problems of a beam type write) is mostly written over soon.
  const Between keep = [&c, &cx](const ProblemState &s, TextRun &r) {
    const long n = r.problems;
    if (n % cx.checkpoint_every == 0 || (n < cx.checkpoint_every && (n & (n - 1)) == 0)) c.keep(s, r);
    return false;
  };
  run_text(cx, {c.text, c.first, c.deck_end, c.read_error}, st, c.run, keep);
}

bool looks_like_title(const std::string &line) { return !line.empty() && line[0] == '*'; }

// Cuts the deck into chunks as it is read, holding one line ahead.
class Cutter {
public:
  Cutter(DeckReader &deck, const ParallelOptions &options)
      : lines_(deck.stream(), deck.name()), options_(options), next_line_(deck.next_line()) {}
  bool done() const { return done_; }

  // Fills `c` (emptied first) with the next chunk of the deck.
  void next(Chunk &c) {
    c.clear();
    c.first = next_line_;
    c.warm_text.assign(warm_text_);
    c.warm_first = warm_first_;
    if (!last_half_.empty()) return take_last_half(c);
    titles_ = 0;
    title_at_.clear();
    if (held_) add(c, line_);
    held_ = false;
    const std::size_t enough = enough_bytes();
    while (read(c)) {
      // A title record after one continued ("CONT" in columns 65-68) is most likely its
      // continuation: no place to cut (a wrong guess only costs a run again).
      const bool title = looks_like_title(line_) && !continued_;
      continued_ = looks_like_title(line_) && line_.size() >= 68 && line_.compare(64, 4, "CONT") == 0;
      if ((title && (titles_ >= options_.chunk_problems || c.text.size() >= enough)) ||
          c.text.size() >= options_.max_chunk_bytes) {
        held_ = true;
        break;
      }
      add(c, line_);
    }
    consumed_ += c.text.size();
    if (c.deck_end) split_last(c);
    next_line_ = c.first + c.lines;
    prepare_warm_up(c);
  }

private:
  // The deck text that closes a chunk at the next title. Chunks shrink as the end of the deck
  // draws near (when its size is known), so that the threads run out of work together: each
  // takes at most a 2 * jobs-th part of what is left.
  std::size_t enough_bytes() const {
    if (options_.deck_bytes == 0) return options_.chunk_bytes;
    const std::size_t left = options_.deck_bytes > consumed_ ? options_.deck_bytes - consumed_ : 0;
    const std::size_t share = left / (2 * static_cast<std::size_t>(std::max(1, options_.jobs)));
    return std::clamp(share, kFewestBytes, std::max(kFewestBytes, options_.chunk_bytes));
  }

  // The deck's last chunk is cut in two at a title near its middle, so that the threads run out
  // of work at about the same time.
  void split_last(Chunk &c) {
    std::size_t i = title_at_.size() / 2;
    while (i > 0 && i < title_at_.size() && title_at_[i].second == title_at_[i - 1].second + 1) ++i;
    if (title_at_.size() < 8 || i >= title_at_.size()) return;
    last_half_.assign(c.text, title_at_[i].first);
    last_error_ = std::move(c.read_error);
    c.read_error.clear();
    c.text.resize(title_at_[i].first);
    c.lines = title_at_[i].second - c.first;
    c.deck_end = false;
    title_at_.resize(i);
    done_ = false;
  }
  void take_last_half(Chunk &c) {
    c.text.swap(last_half_);
    last_half_.clear();
    c.lines = static_cast<long>(std::count(c.text.begin(), c.text.end(), '\n'));
    c.deck_end = true;
    c.read_error = std::move(last_error_);
    next_line_ = c.first + c.lines;
    done_ = true;
  }

  bool read(Chunk &c) {
    try {
      if (lines_.read(line_, c.first + c.lines)) return true;
    } catch (const FatalError &e) {
      c.read_error = e.what();
    }
    c.deck_end = done_ = true;
    return false;
  }
  void add(Chunk &c, const std::string &line) {
    if (looks_like_title(line)) {
      ++titles_;
      title_at_.emplace_back(c.text.size(), c.first + c.lines);
    }
    c.text += line;
    c.text += '\n';
    ++c.lines;
  }

  static constexpr std::size_t kFewestBytes = 16 * 1024; // about a hundred problems

  BlockLines lines_; // the rest of the deck
  const ParallelOptions &options_;
  long next_line_;
  std::size_t consumed_ = 0; // deck text handed to chunks (a held line counted with its chunk)
  std::string line_;
  bool held_ = false;
  bool continued_ = false; // the line read last is a title record continued on the next
  bool done_ = false;
  // The warm-up of the next chunk: the last problem of each beam code seen before its last
  // `warm_problems` problems, in deck order, then those. Design states that only one kind of
  // problem writes (a girder's sections, a T-beam's bars) are then those the true run has far
  // more often than after the last problems alone.
  void prepare_warm_up(const Chunk &c) {
    const std::size_t n = title_at_.size(),
                      warm = static_cast<std::size_t>(std::max(0, options_.warm_problems));
    if (n == 0 || warm == 0) return;
    const std::size_t tail = n > warm ? n - warm : 0;
    for (std::size_t i = 0; i < tail; ++i) {
      // Title records on consecutive lines are most likely one title and its continuations.
      if (i > 0 && title_at_[i].second == title_at_[i - 1].second + 1) continue;
      const std::size_t begin = title_at_[i].first, end = title_at_[i + 1].first;
      const std::string_view problem(c.text.data() + begin, end - begin);
      std::size_t span = 0; // the first line after the titles (every line ends in '\n')
      while (span < problem.size() && problem[span] == '*') span = problem.find('\n', span) + 1;
      if (span + 3 > problem.size()) continue;
      const std::string code(problem.substr(span + 1, 2));
      if (problem.size() > kMaxKindText || (kinds_.size() >= kMaxKinds && !kinds_.contains(code)))
        continue; // a deck of odd codes or long problems
      Kind &k = kinds_[code];
      k.text.assign(problem);
      k.line = title_at_[i].second;
    }
    std::vector<const Kind *> before;
    for (const auto &[code, k] : kinds_)
      if (k.line > 0) before.push_back(&k);
    std::sort(before.begin(), before.end(), [](const Kind *a, const Kind *b) { return a->line < b->line; });
    warm_text_.clear();
    for (const Kind *k : before) warm_text_ += k->text;
    warm_text_.append(c.text, title_at_[tail].first);
    warm_first_ = before.empty() ? title_at_[tail].second : before.front()->line;
  }

  static constexpr std::size_t kMaxKinds = 12;           // the beam codes are seven
  static constexpr std::size_t kMaxKindText = 16 * 1024; // a problem is a few hundred bytes
  struct Kind {
    std::string text; // its last problem, from its title to the next
    long line = 0;    // the line of that title
  };

  int titles_ = 0;
  std::vector<std::pair<std::size_t, long>> title_at_; // the titles of the chunk: offset and line
  std::map<std::string, Kind> kinds_;                  // by beam code (span record, columns 2-3)
  std::string warm_text_;
  long warm_first_ = 0;
  std::string last_half_;  // the second half of the deck's last chunk, still to come
  std::string last_error_; // the deck could not be read past it
};

// The single-threaded run as far as it has been proved: its state in run.st, the line it goes on
// from, and the lines from there that the last chunk held but did not use.
class Truth {
public:
  Truth(Run &run, const Context &cx) : run_(run), cx_(cx), line_(run.deck.next_line()) {}

  // Takes the chunk's results when its start is proved, else runs its text again from the true
  // state until that run joins the chunk's at a checkpoint or ends. False once the run has ended;
  // throws FatalError for a fatal diagnostic.
  bool take(Chunk &c, ParallelCounts &counts) {
    if (c.error) std::rethrow_exception(c.error);
    ++counts.chunks;
    if (c.kept > 0 && joins(c.checkpoints[0].get(), skipped_to(c), run_.st)) {
      run_.st = *c.end;
      put(c.run, *c.checkpoints[0]);
      return went_on(c.run, c.text, c.first);
    }
    ++counts.reruns;
    text_.assign(pending_);
    text_ += c.text;
    again_.clear();
    std::size_t next = 0;
    const Checkpoint *joined = nullptr;
    const Between meet = [&](const ProblemState &s, TextRun &r) {
      while (next < c.kept && c.checkpoints[next]->line < r.end_line) ++next;
      if (next < c.kept && joins(c.checkpoints[next].get(), r.end_line, s))
        joined = c.checkpoints[next].get();
      return joined != nullptr;
    };
    run_text(cx_, {text_, line_, c.deck_end, c.read_error}, run_.st, again_, meet);
    counts.problems_rerun += again_.problems;
    put(again_, Checkpoint{});
    if (!joined) return went_on(again_, text_, line_);
    ++counts.joined;
    run_.st = *c.end;
    put(c.run, *joined);
    return went_on(c.run, c.text, c.first);
  }

private:
  // The line the true run reads its next title at, when that is where `c` starts: the lines
  // before it that the last chunk held but did not use hold no title record, and a run seeking
  // its next title passes them by (the chunk's own reader read them without a fault). Else line_.
  long skipped_to(const Chunk &c) const {
    if (pending_.empty() || pending_[0] == '*' || pending_.find("\n*") != std::string::npos) return line_;
    return c.first;
  }
  static bool joins(const Checkpoint *p, long line, const ProblemState &st) {
    return p->line == line && carried_difference(p->st, st).empty();
  }
  // Hands on what `r` wrote after checkpoint `from`.
  void put(const TextRun &r, const Checkpoint &from) {
    run_.out.put_bytes(r.out.buffered().substr(from.bytes));
    if (run_.results_printed)
      for (std::size_t i = from.results; i < r.results.size(); ++i) run_.results_printed(r.results[i]);
    if (run_.problem_ended)
      for (std::size_t i = from.outcomes; i < r.outcomes.size(); ++i) run_.problem_ended(r.outcomes[i]);
  }
  // Where the run goes on after `r`, which ran `text` from line `first`.
  bool went_on(const TextRun &r, const std::string &text, long first) {
    if (r.end == ChunkEnd::kFatal) throw FatalError(r.fatal);
    if (r.end == ChunkEnd::kDeckEnd) return false;
    std::size_t at = 0;
    for (long n = first; n < r.end_line; ++n) at = text.find('\n', at) + 1;
    pending_.assign(text, at);
    line_ = r.end_line;
    return true;
  }

  Run &run_;
  const Context &cx_;
  long line_;
  std::string pending_; // lines from line_ on that the last chunk held but did not use
  std::string text_;    // the text run again
  TextRun again_;
};

// Threads joined when they go out of scope. The nth thread started (from 1) starts on the nth
// core after its starter's and may then go anywhere: a new thread is otherwise queued on its
// starter's core until the starter's time slice ends, and an idle core takes tens of
// milliseconds to pull it over, a good part of a run of a few hundred milliseconds.
class Threads {
public:
  Threads() = default;
  Threads(const Threads &) = delete;
  Threads &operator=(const Threads &) = delete;
  ~Threads() {
#if defined(__GLIBC__)
    for (pthread_t t : started_) ::pthread_join(t, nullptr);
#else
    for (std::thread &t : started_) t.join();
#endif
  }

  // Starts `body`, which must not throw; throws std::system_error when no thread can be had.
  void start(int nth, std::function<void()> body) {
#if defined(__GLIBC__)
    started_.reserve(started_.size() + 1); // so that a started thread is always joined
    Start &st = *starts_.emplace_back(std::make_unique<Start>());
    st.body = std::move(body);
    pthread_attr_t attr;
    ::pthread_attr_init(&attr);
    st.placed = place(nth, st.allowed, attr);
    pthread_t t;
    const int e = ::pthread_create(&t, &attr, &Threads::run, &st);
    ::pthread_attr_destroy(&attr);
    if (e != 0) throw std::system_error(e, std::generic_category(), "a thread could not be started");
    started_.push_back(t);
#else
    (void)nth;
    started_.emplace_back(std::move(body));
#endif
  }

private:
#if defined(__GLIBC__)
  struct Start {
    std::function<void()> body;
    cpu_set_t allowed; // the cores the process may use
    bool placed = false;
  };
  // Sets `attr` to start the nth thread on the nth core after the calling thread's.
  static bool place(int nth, cpu_set_t &allowed, pthread_attr_t &attr) {
    if (::sched_getaffinity(0, sizeof allowed, &allowed) != 0) return false;
    const int here = ::sched_getcpu();
    std::vector<int> cores;
    std::size_t at = 0; // the calling thread's place among them
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
      if (CPU_ISSET(cpu, &allowed)) {
        if (cpu == here) at = cores.size();
        cores.push_back(cpu);
      }
    if (cores.size() < 2 || nth < 1) return false;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(cores[(at + static_cast<std::size_t>(nth)) % cores.size()], &one);
    return ::pthread_attr_setaffinity_np(&attr, sizeof one, &one) == 0;
  }
  static void *run(void *arg) {
    Start &st = *static_cast<Start *>(arg);
    if (st.placed) ::pthread_setaffinity_np(::pthread_self(), sizeof st.allowed, &st.allowed);
    st.body();
    return nullptr;
  }
  std::vector<pthread_t> started_;
  std::vector<std::unique_ptr<Start>> starts_;
#else
  std::vector<std::thread> started_;
#endif
};

// The threads and the chunks in flight. Each thread cuts the next chunk of the deck and runs it;
// the thread that finishes the chunk first in deck order takes it, and every finished chunk after
// it, in order (one thread takes at a time). No thread waits on another to write the report: a
// thread waits only while every chunk held is in flight. At most `jobs` + 2 chunks are held (two
// spare, so that a thread seldom waits for the chunk first in deck order to be taken), and their
// buffers are reused from chunk to chunk.
class Scheduler {
public:
  Scheduler(const Context &cx, Run &run, const ParallelOptions &options)
      : cx_(cx), run_(run), truth_(run, cx), cutter_(run.deck, options),
        held_(static_cast<std::size_t>(options.jobs) + 2),
        latest_(std::make_shared<const ProblemState>(run.st)) {}

  // Runs the deck on `jobs` threads, this one included; throws what the run threw. Each thread
  // is handed its first chunk before any starts, so that none begins by waiting for another to
  // cut one (a thread put to sleep that early is woken on its waker's core and shares it).
  ParallelCounts run(int jobs) {
    std::vector<Chunk *> first;
    for (int i = 0; i < jobs; ++i) first.push_back(next());
    {
      Threads threads;
      int i = 1;
      try {
        for (; i < jobs; ++i) threads.start(i, [this, c = first[i]] { work(c); });
      } catch (const std::system_error &) {
        for (; i < jobs; ++i) // no thread to be had: this one runs their chunks
          work(first[i], false);
      }
      work(first[0]);
    }
    if (error_) std::rethrow_exception(error_);
    return counts_;
  }

private:
  // Runs `c`, then (when `go_on`) the chunks it cuts next; a failure ends the run.
  void work(Chunk *c, bool go_on = true) {
    try {
      for (; c; c = go_on ? next() : nullptr) run_chunk(*c);
    } catch (...) {
      std::lock_guard lock(mutex_);
      if (!error_) error_ = std::current_exception();
      ended_ = true;
      changed_.notify_all();
    }
  }

  // Runs `c` from the state proved last, then takes what can be taken.
  void run_chunk(Chunk &c) {
    std::shared_ptr<const ProblemState> latest;
    {
      std::lock_guard lock(mutex_);
      latest = latest_;
    }
    try {
      speculate(cx_, c, *latest);
    } catch (...) {
      c.error = std::current_exception();
    }
    finished(c);
  }

  // The next chunk of the deck, cut into a free slot; null when there is none to run.
  Chunk *next() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return ended_ || cutter_.done() || order_.size() < held_; });
    if (ended_ || cutter_.done()) return nullptr;
    if (spare_.empty()) {
      Chunk &made = *slots_.emplace_back(std::make_unique<Chunk>());
      if (slots_.size() <= kRoomyChunks) made.run.out.reserve(kReportRoom);
      spare_.push_back(&made);
    }
    Chunk *c = spare_.back();
    spare_.pop_back();
    cutter_.next(*c);
    order_.push_back(c);
    return c;
  }

  // Marks `c` done; when the chunk first in deck order is done, takes it and the done chunks
  // after it, unless another thread is taking them already.
  void finished(Chunk &c) {
    std::unique_lock lock(mutex_);
    c.done = true;
    if (taking_) return;
    taking_ = true;
    while (!ended_ && !order_.empty() && order_.front()->done) {
      Chunk *head = order_.front();
      lock.unlock();
      const bool goes_on = take(*head);
      auto latest = std::make_shared<const ProblemState>(run_.st);
      lock.lock();
      latest_ = std::move(latest);
      order_.pop_front();
      spare_.push_back(head);
      ended_ = ended_ || !goes_on;
      changed_.notify_all();
    }
    taking_ = false;
  }

  // Takes `c`; false when the run has ended there. A fatal diagnostic (or any failure) ends the
  // run before the taking thread lets another take: nothing is written after it.
  bool take(Chunk &c) {
    try {
      return truth_.take(c, counts_);
    } catch (...) {
      std::lock_guard lock(mutex_);
      if (!error_) error_ = std::current_exception();
      ended_ = true;
      return false;
    }
  }

  const Context &cx_;
  Run &run_;
  Truth truth_;   // used by the taking thread alone
  Cutter cutter_; // used under the mutex
  const std::size_t held_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::unique_ptr<Chunk>> slots_;
  std::vector<Chunk *> spare_;
  std::deque<Chunk *> order_;                  // chunks cut, in deck order, not yet taken
  std::shared_ptr<const ProblemState> latest_; // the state proved last, where warm-ups start
  bool taking_ = false;
  bool ended_ = false;
  std::exception_ptr error_;
  ParallelCounts counts_;
};

} // namespace

ParallelCounts run_problems_parallel(Run &run, const DesignRoutines &routines, const RunStamp &stamp,
                                     const ParallelOptions &options) {
  // A deck of a few dozen problems is done on one thread before others would have started.
  if (options.jobs <= 1 || (options.deck_bytes > 0 && options.deck_bytes < options.one_thread_below)) {
    run_problems(run, routines, stamp);
    return {};
  }
#if defined(__GLIBC__)
  // A chunk's buffers, of a megabyte or so, get pages of their own that go back to the system
  // when freed; glibc would otherwise raise this threshold as they are freed and keep such
  // blocks in each thread's arena.
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
  const Context cx{routines, stamp, run.deck.name(), static_cast<bool>(run.results_printed),
                   std::max(1, options.checkpoint_every)};
  Scheduler scheduler(cx, run, options);
  return scheduler.run(options.jobs);
}

} // namespace ss
