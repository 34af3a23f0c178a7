//! A fixed-capacity ring buffer with an iterator and a small CLI demo.
//!
//! ```
//! fn example() {
//!     let mut ring = RingBuffer::with_capacity(4);
//!     ring.push(1);
//! }
//! ```

use std::fmt;
use std::io::{self, BufRead};

/// Error returned when the buffer cannot grow.
#[derive(Debug, Clone, PartialEq, Eq)]
pub enum RingError {
    Full { capacity: usize },
    Empty,
}

impl fmt::Display for RingError {
    fn fmt(&self, f: &mut fmt::Formatter<'_>) -> fmt::Result {
        match self {
            RingError::Full { capacity } => write!(f, "ring is full ({capacity} slots)"),
            RingError::Empty => write!(f, "ring is empty"),
        }
    }
}

impl std::error::Error for RingError {}

pub trait Sink<T> {
    fn accept(&mut self, value: T) -> Result<(), RingError>;
    fn flush(&mut self) -> usize;

    fn accept_all<I: IntoIterator<Item = T>>(&mut self, values: I) -> usize {
        let mut n = 0;
        for v in values {
            if self.accept(v).is_err() {
                break;
            }
            n += 1;
        }
        n
    }
}

pub struct RingBuffer<T> {
    slots: Vec<Option<T>>,
    head: usize,
    len: usize,
}

macro_rules! ensure {
    ($cond:expr, $err:expr) => {
        if !$cond {
            return Err($err);
        }
    };
}

impl<T> RingBuffer<T> {
    pub fn with_capacity(capacity: usize) -> Self {
        assert!(capacity > 0, "fn with_capacity needs a positive size");
        let slots = (0..capacity).map(|_| None).collect();
        RingBuffer { slots, head: 0, len: 0 }
    }

    pub const fn len(&self) -> usize {
        self.len
    }

    pub fn is_empty(&self) -> bool {
        self.len == 0
    }

    #[inline]
    fn index(&self, offset: usize) -> usize {
        (self.head + offset) % self.slots.len()
    }

    pub fn push(&mut self, value: T) -> Result<(), RingError> {
        ensure!(self.len < self.slots.len(), RingError::Full { capacity: self.slots.len() });
        let at = self.index(self.len);
        self.slots[at] = Some(value);
        self.len += 1;
        Ok(())
    }

    pub fn pop(&mut self) -> Result<T, RingError> {
        ensure!(self.len > 0, RingError::Empty);
        let value = self.slots[self.head].take().expect("slot must be filled");
        self.head = self.index(1);
        self.len -= 1;
        Ok(value)
    }

    pub(crate) fn clear(&mut self) {
        while self.pop().is_ok() {}
    }

    pub fn iter(&self) -> Iter<'_, T> {
        Iter { ring: self, offset: 0 }
    }
}

impl<T> Sink<T> for RingBuffer<T> {
    fn accept(&mut self, value: T) -> Result<(), RingError> {
        self.push(value)
    }

    fn flush(&mut self) -> usize {
        let n = self.len;
        self.clear();
        n
    }
}

pub struct Iter<'a, T> {
    ring: &'a RingBuffer<T>,
    offset: usize,
}

impl<'a, T> Iterator for Iter<'a, T> {
    type Item = &'a T;

    fn next(&mut self) -> Option<Self::Item> {
        if self.offset >= self.ring.len {
            return None;
        }
        let at = self.ring.index(self.offset);
        self.offset += 1;
        self.ring.slots[at].as_ref()
    }
}

extern "C" {
    fn abs(input: i32) -> i32;
}

pub extern "C" fn ring_version() -> u32 {
    let parse = |s: &str| -> u32 { s.parse().unwrap_or(0) };
    parse(env!("CARGO_PKG_VERSION_MAJOR"))
}

async fn drain_async(ring: &mut RingBuffer<String>) -> Vec<String> {
    let mut out = Vec::new();
    loop {
        match ring.pop() {
            Ok(line) => out.push(line),
            Err(_) => break,
        }
    }
    out
}

unsafe fn raw_abs(x: i32) -> i32 {
    abs(x)
}

fn main() -> io::Result<()> {
    let stdin = io::stdin();
    let mut ring = RingBuffer::with_capacity(8);
    let transform: fn(&str) -> String = str::to_uppercase;
    for line in stdin.lock().lines() {
        let line = line?;
        if let Err(e) = ring.push(transform(&line)) {
            eprintln!("dropping line: {e}");
        }
    }
    fn print_all(ring: &RingBuffer<String>) {
        for (i, line) in ring.iter().enumerate() {
            println!("{i:>3}: {line}");
        }
    }
    print_all(&ring);
    println!("abs(-3) = {}", unsafe { raw_abs(-3) });
    Ok(())
}

#[cfg(test)]
mod tests {
    use super::*;

    #[test]
    fn wraps_around() {
        let mut ring = RingBuffer::with_capacity(2);
        ring.push(1).unwrap();
        ring.push(2).unwrap();
        assert_eq!(ring.push(3), Err(RingError::Full { capacity: 2 }));
        assert_eq!(ring.pop(), Ok(1));
        ring.push(3).unwrap();
        assert_eq!(ring.iter().copied().collect::<Vec<_>>(), vec![2, 3]);
    }
}
