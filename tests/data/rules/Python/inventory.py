#!/usr/bin/env python3
"""Inventory synchronisation between the warehouse database and the shop.

The entry point is main(); def sync_all() does the work. Example::

    >>> def hook(item): return item
    >>> sync_all(hooks=[hook])
"""

from __future__ import annotations

import argparse
import asyncio
import dataclasses
import logging
from typing import Callable, Iterable, Iterator

log = logging.getLogger(__name__)

DEFAULT_BATCH = 50
classification = {"A": 1, "B": 2}  # class letters, not a class statement
define_only = lambda x: x  # a lambda is not a header


@dataclasses.dataclass
class Item:
    sku: str
    quantity: int
    price_cents: int = 0

    def total(self) -> int:
        return self.quantity * self.price_cents

    @property
    def is_empty(self) -> bool:
        return self.quantity <= 0


class SyncError(Exception):
    """Raised when the shop refuses an update."""


class Warehouse:
    """Read side. class attributes below are settings."""

    table = "stock"

    def __init__(self, connection):
        self.connection = connection
        self._cache: dict[str, Item] = {}

    def items(self) -> Iterator[Item]:
        cursor = self.connection.execute(
            "SELECT sku, quantity, price FROM stock"
        )
        for sku, quantity, price in cursor:
            if sku in self._cache:
                yield self._cache[sku]
                continue
            item = Item(sku, quantity, price)
            self._cache[sku] = item
            yield item

    def lookup(self, sku: str) -> Item | None:
        try:
            return self._cache[sku]
        except KeyError:
            return None

    class Meta:
        ordering = ("sku",)


class Shop:
    def __init__(self, client, batch: int = DEFAULT_BATCH):
        self.client = client
        self.batch = batch

    async def push(self, items: list[Item]) -> int:
        sent = 0
        for start in range(0, len(items), self.batch):
            chunk = items[start:start + self.batch]
            response = await self.client.post("/stock", json=[
                dataclasses.asdict(i) for i in chunk
            ])
            if response.status != 200:
                raise SyncError(f"shop answered {response.status}")
            sent += len(chunk)
        return sent

    async def close(self):
        await self.client.close()


def batched(items: Iterable[Item], size: int) -> Iterator[list[Item]]:
    batch: list[Item] = []
    for item in items:
        batch.append(item)
        if len(batch) == size:
            yield batch
            batch = []
    if batch:
        yield batch


def make_filter(min_quantity: int) -> Callable[[Item], bool]:
    def keep(item: Item) -> bool:
        if item.is_empty:
            return False
        return item.quantity >= min_quantity

    return keep


async def sync_all(warehouse: Warehouse, shop: Shop, hooks=()) -> int:
    total = 0
    keep = make_filter(1)
    for batch in batched(filter(keep, warehouse.items()), shop.batch):
        for hook in hooks:
            batch = [hook(i) for i in batch]
        while True:
            try:
                total += await shop.push(batch)
                break
            except SyncError as exc:
                log.warning("retrying after %s", exc)
                await asyncio.sleep(1)
    return total


def parse_args(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dsn", required=True)
    parser.add_argument("--shop-url", required=True)
    parser.add_argument("--batch", type=int, default=DEFAULT_BATCH)
    return parser.parse_args(argv)


def main(argv=None) -> int:
    args = parse_args(argv)
    logging.basicConfig(level=logging.INFO)

    def connect(dsn):
        import sqlite3
        return sqlite3.connect(dsn)

    warehouse = Warehouse(connect(args.dsn))
    shop = Shop(client=None, batch=args.batch)
    if args.batch <= 0:
        print("def main: batch must be positive")
        return 2
    count = asyncio.run(sync_all(warehouse, shop))
    log.info("pushed %d items", count)
    return 0


def first[T](values: list[T]) -> T:
    return values[0]


if __name__ == "__main__":
    raise SystemExit(main())
