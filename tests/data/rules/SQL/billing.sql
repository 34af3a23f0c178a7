-- billing.sql: schema objects for the billing database (PostgreSQL dialect
-- unless noted). CREATE FUNCTION invoice_total is the hot path.
-- Nothing in these comments is a header.

BEGIN;

CREATE TABLE IF NOT EXISTS customers (
    id          serial PRIMARY KEY,
    name        text NOT NULL,
    email       text UNIQUE,
    created_at  timestamptz NOT NULL DEFAULT now()
);

CREATE TABLE IF NOT EXISTS invoices (
    id           serial PRIMARY KEY,
    customer_id  integer NOT NULL REFERENCES customers (id),
    issued_on    date NOT NULL DEFAULT current_date,
    status       text NOT NULL DEFAULT 'draft',
    trigger_note text
);

CREATE TABLE IF NOT EXISTS invoice_lines (
    invoice_id  integer NOT NULL REFERENCES invoices (id) ON DELETE CASCADE,
    line_no     integer NOT NULL,
    amount      numeric(12, 2) NOT NULL,
    PRIMARY KEY (invoice_id, line_no)
);

CREATE INDEX idx_invoices_customer ON invoices (customer_id);

CREATE OR REPLACE FUNCTION invoice_total(p_invoice integer)
RETURNS numeric
LANGUAGE sql STABLE
AS $$
    SELECT coalesce(sum(amount), 0)
    FROM invoice_lines
    WHERE invoice_id = p_invoice;
$$;

CREATE FUNCTION customer_balance(p_customer integer) RETURNS numeric AS $$
DECLARE
    v_total numeric := 0;
BEGIN
    SELECT coalesce(sum(invoice_total(id)), 0)
      INTO v_total
      FROM invoices
     WHERE customer_id = p_customer
       AND status <> 'paid';
    RETURN v_total;
END;
$$ LANGUAGE plpgsql;

CREATE OR REPLACE PROCEDURE close_invoice(p_invoice integer)
LANGUAGE plpgsql
AS $$
BEGIN
    IF invoice_total(p_invoice) = 0 THEN
        RAISE EXCEPTION 'invoice % has no lines', p_invoice;
    END IF;
    UPDATE invoices SET status = 'sent' WHERE id = p_invoice;
    COMMIT;
END;
$$;

CREATE FUNCTION log_invoice_change() RETURNS trigger AS $$
BEGIN
    INSERT INTO audit_log (table_name, row_id, changed_at)
    VALUES (TG_TABLE_NAME, NEW.id, now());
    RETURN NEW;
END;
$$ LANGUAGE plpgsql;

CREATE TRIGGER trg_invoice_audit
    AFTER INSERT OR UPDATE ON invoices
    FOR EACH ROW EXECUTE FUNCTION log_invoice_change();

CREATE OR REPLACE TRIGGER trg_lines_audit AFTER DELETE ON invoice_lines
    FOR EACH ROW EXECUTE FUNCTION log_invoice_change();

ALTER TABLE invoices DISABLE TRIGGER trg_invoice_audit;
ALTER TABLE invoices ENABLE TRIGGER trg_invoice_audit;
CREATE TABLE function_calls (function text NOT NULL, calls integer);
GRANT EXECUTE ON FUNCTION invoice_total(integer) TO reporting;
COMMENT ON FUNCTION customer_balance(integer) IS 'open balance of a customer';
DROP FUNCTION IF EXISTS old_invoice_total(integer);

COMMIT;

-- T-SQL variant used by the reporting server ---------------------------------

CREATE PROCEDURE [dbo].[usp_MonthlyRevenue]
    @Year int,
    @Month int
AS
BEGIN
    SET NOCOUNT ON;
    SELECT c.name, SUM(l.amount) AS revenue
    FROM dbo.invoices i
    JOIN dbo.customers c ON c.id = i.customer_id
    JOIN dbo.invoice_lines l ON l.invoice_id = i.id
    WHERE YEAR(i.issued_on) = @Year AND MONTH(i.issued_on) = @Month
    GROUP BY c.name
    ORDER BY revenue DESC;
END
GO

ALTER PROC dbo.usp_Cleanup @Days int = 90
AS
    DELETE FROM dbo.audit_log WHERE changed_at < DATEADD(day, -@Days, GETDATE());
GO

CREATE OR ALTER FUNCTION dbo.fn_Initials (@Name nvarchar(100))
RETURNS nvarchar(10)
AS
BEGIN
    RETURN UPPER(LEFT(@Name, 1));
END
GO

EXEC dbo.usp_MonthlyRevenue @Year = 2024, @Month = 1;
GO

-- MySQL variant ---------------------------------------------------------------

DELIMITER //
CREATE DEFINER=`admin`@`%` PROCEDURE `refresh_totals`()
BEGIN
    DECLARE done INT DEFAULT FALSE;
    UPDATE invoices i
       SET i.trigger_note = 'refreshed'
     WHERE i.status = 'sent';
END //
DELIMITER ;

CALL refresh_totals();

-- Oracle package ----------------------------------------------------------------

CREATE OR REPLACE PACKAGE billing_api AS
    FUNCTION total(p_invoice IN NUMBER) RETURN NUMBER;
    PROCEDURE close(p_invoice IN NUMBER);
END billing_api;
/

CREATE OR REPLACE PACKAGE BODY billing_api AS
    FUNCTION total(p_invoice IN NUMBER) RETURN NUMBER IS
        v_total NUMBER;
    BEGIN
        SELECT NVL(SUM(amount), 0) INTO v_total
          FROM invoice_lines
         WHERE invoice_id = p_invoice;
        RETURN v_total;
    END total;

    PROCEDURE close(p_invoice IN NUMBER) IS
    BEGIN
        IF total(p_invoice) = 0 THEN
            RAISE_APPLICATION_ERROR(-20001, 'empty invoice');
        END IF;
        UPDATE invoices SET status = 'sent' WHERE id = p_invoice;
    END close;
END billing_api;
/

SELECT id, invoice_total(id) AS total
FROM invoices
WHERE status = 'sent'
ORDER BY total DESC;

CREATE OPERATOR CLASS invoice_no_ops
    DEFAULT FOR TYPE invoice_no USING btree AS
    OPERATOR 1 <,
    OPERATOR 3 =,
    FUNCTION 1 invoice_no_cmp(invoice_no, invoice_no);
    FUNCTION 2 invoice_no_sortsupport(internal)

CREATE CAST (invoice_no AS text) WITH FUNCTION invoice_no_text(invoice_no);
CREATE CAST (text AS invoice_no) WITHOUT FUNCTION AS ASSIGNMENT;

CREATE OR REPLACE FUNCTION
  invoice_due(invoice_id integer, grace interval DEFAULT '30 days')
  RETURNS date STABLE LANGUAGE sql
RETURN (SELECT issued + grace FROM invoices WHERE id = invoice_id);

CREATE OR REPLACE FUNCTION
  "invoice_label"(integer, text DEFAULT 'INV')
  RETURNS text IMMUTABLE LANGUAGE sql
RETURN $2 || '-' || $1;

CREATE VIEW customer_counts AS
SELECT customer_id,
  count(DISTINCT invoice_id),
  string_agg(ALL note, ', ')
FROM invoices GROUP BY customer_id;

INSERT INTO invoices (id, status)
VALUES(42, DEFAULT);
