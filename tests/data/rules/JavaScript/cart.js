/**
 * cart.js - shopping cart state, pricing rules and a small DOM view.
 *
 * function addItem(sku) is the public entry point; this comment is no header.
 */
'use strict';

const TAX_RATE = 0.2;
const currency = new Intl.NumberFormat('en-GB', { style: 'currency', currency: 'GBP' });
let nextId = 1;

function formatPrice(cents) {
  return currency.format(cents / 100);
}

async function fetchCatalog(url) {
  const response = await fetch(url);
  if (!response.ok) {
    throw new Error(`catalog request failed: ${response.status}`);
  }
  return response.json();
}

function* idSequence(prefix) {
  while (true) {
    yield `${prefix}-${nextId++}`;
  }
}

const ids = idSequence('line');

const clamp = (value, low, high) => Math.min(high, Math.max(low, value));

const percent = n => n / 100;

const discountRules = {
  bulk: function (line) {
    return line.quantity >= 10 ? 0.1 : 0;
  },
  member: (line, customer) => (customer && customer.member ? 0.05 : 0),
  seasonal(line) {
    const month = new Date().getMonth();
    return month === 11 ? percent(15) : 0;
  },
};

class Cart {
  constructor(catalog, customer = null) {
    this.catalog = catalog;
    this.customer = customer;
    this.lines = [];
    this.listeners = new Set();
  }

  static fromJSON(text, catalog) {
    const data = JSON.parse(text);
    const cart = new Cart(catalog, data.customer);
    for (const line of data.lines) {
      cart.addItem(line.sku, line.quantity);
    }
    return cart;
  }

  get count() {
    return this.lines.reduce((sum, line) => sum + line.quantity, 0);
  }

  addItem(sku, quantity = 1) {
    const product = this.catalog[sku];
    if (!product) {
      throw new Error(`unknown product ${sku}`);
    }
    const existing = this.lines.find((line) => line.sku === sku);
    if (existing) {
      existing.quantity = clamp(existing.quantity + quantity, 0, 99);
    } else {
      this.lines.push({ id: ids.next().value, sku, quantity, price: product.price });
    }
    this.emit('change');
    return this;
  }

  removeItem(sku) {
    this.lines = this.lines.filter((line) => line.sku !== sku);
    this.emit('change');
  }

  discountFor(line) {
    let best = 0;
    for (const name of Object.keys(discountRules)) {
      best = Math.max(best, discountRules[name](line, this.customer));
    }
    return best;
  }

  totals() {
    let net = 0;
    this.lines.forEach(function (line) {
      const gross = line.price * line.quantity;
      net += Math.round(gross * (1 - this.discountFor(line)));
    }, this);
    const tax = Math.round(net * TAX_RATE);
    return { net, tax, total: net + tax };
  }

  onChange(listener) {
    this.listeners.add(listener);
    return () => this.listeners.delete(listener);
  }

  emit(event) {
    switch (event) {
      case 'change':
        this.listeners.forEach((listener) => listener(this));
        break;
      default:
        console.warn('unknown event', event);
    }
  }

  async *stream() {
    for (const line of this.lines) {
      yield line;
    }
  }
}

class CartView extends HTMLElement {
  connectedCallback() {
    this.unsubscribe = this.cart.onChange(() => this.render());
    this.render();
  }

  handleClick = (event) => {
    const sku = event.target.dataset.sku;
    if (sku) {
      this.cart.removeItem(sku);
    }
  };

  render() {
    const { net, tax, total } = this.cart.totals();
    const rows = this.cart.lines.map((line) => `
      <tr data-sku="${line.sku}"><td>${line.sku}</td><td>${line.quantity}</td></tr>`);
    this.innerHTML = `<table>${rows.join('')}</table>
      <p>Net ${formatPrice(net)}, tax ${formatPrice(tax)}, total ${formatPrice(total)}</p>`;
    this.addEventListener('click', this.handleClick);
  }
}

export const summarize = function (cart) {
  const { total } = cart.totals();
  return `${cart.count} items, ${formatPrice(total)}`;
};

export default async function main(root) {
  const catalog = await fetchCatalog('/api/catalog');
  const cart = new Cart(catalog);
  // function helper() { } is only mentioned here
  setTimeout(() => {
    cart.addItem(Object.keys(catalog)[0]);
  }, 0);
  window.setInterval(function () {
    console.log(summarize(cart));
  }, 60000);
  if (root) {
    const view = document.createElement('cart-view');
    view.cart = cart;
    root.appendChild(view);
  }
  do {
    nextId += 1;
  } while (nextId < 10);
  return cart;
}

customElements.define('cart-view', CartView);

const FLUSH = Symbol('flush');
class Spool {
  [FLUSH] (entry) {
    if (entry) this.pending.push(entry);
    return this.pending.length;
  }
}
