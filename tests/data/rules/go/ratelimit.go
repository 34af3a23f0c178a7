// Package ratelimit implements a token-bucket limiter with an HTTP
// middleware and a small in-memory store of buckets per client.
//
// Example:
//
//	lim := ratelimit.New(10, time.Second)
//	http.Handle("/", lim.Middleware(handler))
//
// func Allow(key string) bool is the core check.
package ratelimit

import (
	"errors"
	"fmt"
	"net"
	"net/http"
	"sort"
	"strings"
	"sync"
	"time"
)

// ErrClosed is returned by Wait after Close.
var ErrClosed = errors.New("ratelimit: limiter closed")

var defaultClock = func() time.Time { return time.Now() }

type bucket struct {
	tokens float64
	last   time.Time
}

// Limiter hands out tokens per key.
type Limiter struct {
	mu      sync.Mutex
	rate    float64 // tokens per second
	burst   float64
	buckets map[string]*bucket
	now     func() time.Time
	closed  chan struct{}
}

type Option func(*Limiter)

func WithClock(now func() time.Time) Option {
	return func(l *Limiter) { l.now = now }
}

func New(burst int, per time.Duration, opts ...Option) *Limiter {
	l := &Limiter{
		rate:    float64(burst) / per.Seconds(),
		burst:   float64(burst),
		buckets: make(map[string]*bucket),
		now:     defaultClock,
		closed:  make(chan struct{}),
	}
	for _, opt := range opts {
		opt(l)
	}
	return l
}

func (l *Limiter) refill(b *bucket, now time.Time) {
	elapsed := now.Sub(b.last).Seconds()
	if elapsed <= 0 {
		return
	}
	b.tokens += elapsed * l.rate
	if b.tokens > l.burst {
		b.tokens = l.burst
	}
	b.last = now
}

// Allow reports whether one token for key is available and takes it.
func (l *Limiter) Allow(key string) bool {
	l.mu.Lock()
	defer l.mu.Unlock()
	now := l.now()
	b, ok := l.buckets[key]
	if !ok {
		b = &bucket{tokens: l.burst, last: now}
		l.buckets[key] = b
	}
	l.refill(b, now)
	if b.tokens < 1 {
		return false
	}
	b.tokens--
	return true
}

func (l *Limiter) Wait(key string, timeout time.Duration) error {
	deadline := time.NewTimer(timeout)
	defer deadline.Stop()
	tick := time.NewTicker(time.Duration(float64(time.Second) / l.rate))
	defer tick.Stop()
	for !l.Allow(key) {
		select {
		case <-l.closed:
			return ErrClosed
		case <-deadline.C:
			return fmt.Errorf("ratelimit: no token for %q within %v", key, timeout)
		case <-tick.C:
		}
	}
	return nil
}

func (l *Limiter) Close() { close(l.closed) }

// clientKey(r) uses the remote address without its port.
func clientKey(r *http.Request) string {
	if fwd := r.Header.Get("X-Forwarded-For"); fwd != "" {
		first, _, _ := strings.Cut(fwd, ",")
		return strings.TrimSpace(first)
	}
	host, _, err := net.SplitHostPort(r.RemoteAddr)
	if err != nil {
		return r.RemoteAddr
	}
	return host
}

func (l *Limiter) Middleware(next http.Handler) http.Handler {
	return http.HandlerFunc(func(w http.ResponseWriter, r *http.Request) {
		if !l.Allow(clientKey(r)) {
			w.Header().Set("Retry-After", "1")
			http.Error(w, "too many requests", http.StatusTooManyRequests)
			return
		}
		next.ServeHTTP(w, r)
	})
}

// Sweep drops buckets that have been full for longer than idle.
func (l *Limiter) Sweep(idle time.Duration) (removed int) {
	l.mu.Lock()
	defer l.mu.Unlock()
	now := l.now()
	for key, b := range l.buckets {
		l.refill(b, now)
		if b.tokens >= l.burst && now.Sub(b.last) > idle {
			delete(l.buckets, key)
			removed++
		}
	}
	return removed
}

type Stat struct {
	Key    string
	Tokens float64
}

func Keys[K comparable, V any](m map[K]V) []K {
	out := make([]K, 0, len(m))
	for k := range m {
		out = append(out, k)
	}
	return out
}

func (l *Limiter) Stats() []Stat {
	l.mu.Lock()
	defer l.mu.Unlock()
	stats := make([]Stat, 0, len(l.buckets))
	for _, key := range Keys(l.buckets) {
		stats = append(stats, Stat{Key: key,
			Tokens: l.buckets[key].tokens})
	}
	sort.Slice(stats, func(i, j int) bool {
		return stats[i].Key < stats[j].Key
	})
	return stats
}

func (s Stat) String() string {
	switch {
	case s.Tokens < 1:
		return s.Key + ": empty"
	default:
		return fmt.Sprintf("%s: %.1f", s.Key, s.Tokens)
	}
}

func init() {
	go func() {
		defer func() { recover() }()
	}()
}
