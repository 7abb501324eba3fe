-- VELTRO.ERP operational database: every schema, table, view, routine and fixed row the
-- client relies on. Loaded by psql as the superuser into an empty database
-- (scripts/db-init.sh). The cluster-wide roles are created only when missing, so the file can
-- be loaded into several databases of one cluster.

\set ON_ERROR_STOP on
set client_min_messages = warning;

------------------------------------------------------------------------------------------
-- Roles (cluster-wide). "veltro_users" holds the working rights; every login is a member.
------------------------------------------------------------------------------------------

do $$
begin
  if not exists (select 1 from pg_roles where rolname = 'veltro_users') then
    begin
      create role veltro_users nologin;
    exception when duplicate_object then null;  -- created meanwhile by a parallel load
    end;
  end if;
  if not exists (select 1 from pg_roles where rolname = 'sys') then
    begin
      create role sys login password 'brumvex';
    exception when duplicate_object then null;
    end;
  end if;
  if not exists (select 1 from pg_auth_members m
                 join pg_roles r on r.oid = m.roleid and r.rolname = 'veltro_users'
                 join pg_roles u on u.oid = m.member and u.rolname = 'sys') then
    grant veltro_users to sys;
  end if;
end
$$;

-- Workstations write dates as day.month.year text: read such text that way (output stays ISO).
alter role sys set datestyle = 'ISO, DMY';

------------------------------------------------------------------------------------------
-- Domains
------------------------------------------------------------------------------------------

create domain public.t_id as numeric(15,0);
create domain public.t_money as numeric(15,4);
-- A plain boolean: "1::t_boolean" and "0::t_boolean" use the built-in integer-to-boolean cast.
create domain public.t_boolean as boolean;
create domain public.t_date as date;
create domain public.t_datetime as timestamp without time zone;

------------------------------------------------------------------------------------------
-- Schemas
------------------------------------------------------------------------------------------

create schema cmn_contractor;
create schema cmn_department;
create schema hrms_staffpos;
create schema adm_role;
create schema adm_user;
create schema cmn_msm;
create schema cmn_inventory_items;
create schema mnf_operation;
create schema mnf_proc_tech;
create schema mnf_app;
create schema stk_purchase;
create schema stk_stocks;
create schema accounts_dep;

------------------------------------------------------------------------------------------
-- Reference data
------------------------------------------------------------------------------------------

-- Departments; some are stores: type 2 raw materials, 1 blanks, 0 finished goods, -1 none.
create table cmn_department.department (
  id            serial primary key,
  s_caption     varchar(254),
  s_description varchar(4000),
  id_parent     numeric(15,0) not null default 0,   -- 0: no parent
  type          numeric(15,0) not null default -1,
  s_type        varchar(254) not null default ''
);

-- Each department with its caption, plus the row 0 that stands for "no parent".
create view cmn_department.v_department as
  select d.id, d.s_caption from cmn_department.department d
  union all
  select 0, ''::varchar(254);

create table hrms_staffpos.staffpos (
  id            serial primary key,
  id_department numeric(15,0) not null default 0,   -- 0: no department
  s_caption     varchar(254),
  s_description varchar(4000),
  d_begin       date,
  d_end         date
);

create sequence adm_role.roles_id_seq;
create table adm_role.roles (
  id        t_id primary key default nextval('adm_role.roles_id_seq'),
  s_name    varchar(30),
  s_caption varchar(254),
  d_begin   t_date,
  d_end     t_date,
  b_active  t_boolean not null default true
);
alter sequence adm_role.roles_id_seq owned by adm_role.roles.id;

-- Persons; the employees among them have b_employee true (the personnel card relies on the default).
create table cmn_contractor.person (
  id            serial primary key,
  s_caption     varchar(254),
  s_second_name varchar(254),
  s_first_name  varchar(254),
  s_third_name  varchar(254),
  b_employee    boolean not null default true,
  id_staffpos   integer references hrms_staffpos.staffpos (id),
  id_department integer references cmn_department.department (id),
  id_role       integer references adm_role.roles (id),
  s_code        text
);

-- Counterparties (legal persons).
create table cmn_contractor.jur_person (
  id             serial primary key,
  s_caption      varchar(254) not null default '',
  s_full_caption varchar(254) not null default '',
  s_ogrn         varchar(254) not null default '',
  s_inn          varchar(254) not null default ''
);

create sequence adm_user.users_id_seq;
create table adm_user.users (
  id           t_id primary key default nextval('adm_user.users_id_seq'),
  s_name       varchar(30) not null unique,
  s_caption    varchar(254),
  d_registered date default current_date,
  d_closed     date,
  b_active     boolean not null default true,
  id_person    numeric(15,0)
);
alter sequence adm_user.users_id_seq owned by adm_user.users.id;

create sequence cmn_msm.msm_id_seq;
create table cmn_msm.msm (
  id               numeric(15,0) primary key default nextval('cmn_msm.msm_id_seq'),
  s_code           varchar(254),
  s_caption        varchar(254),
  s_identification varchar(254),
  n_round          integer not null default 0
);
alter sequence cmn_msm.msm_id_seq owned by cmn_msm.msm.id;

create table cmn_inventory_items.nomenclature (
  id            serial primary key,
  s_caption     varchar(254),
  id_department numeric(15,0) not null default 0     -- 0: no store
);

create table cmn_inventory_items.ii_type (
  id        t_id primary key,
  s_caption varchar(254)
);

create table mnf_operation.operation_type (
  id            serial primary key,
  s_caption     varchar(254),
  s_description varchar(4000)
);

create table mnf_operation.operation_state (
  id        numeric(15,0) primary key,
  s_caption varchar(254)
);

-- The client's version stamp and the decimal separator; exactly one row.
create table public.ver (
  d     integer not null default 0,
  t     integer not null default 0,
  delim varchar(255) not null default '.'
);
create unique index ver_single_row on public.ver ((true));

------------------------------------------------------------------------------------------
-- Items and technology
------------------------------------------------------------------------------------------

create sequence cmn_inventory_items.inventory_items_id_seq;
create table cmn_inventory_items.inventory_items (
  id         t_id primary key default nextval('cmn_inventory_items.inventory_items_id_seq'),
  marka      varchar(254),
  id_nom     integer not null default 0,                -- 0: no nomenclature kind
  id_type    integer references cmn_inventory_items.ii_type (id),
  id_msm     t_id references cmn_msm.msm (id),
  massa      numeric not null default 0,
  width      numeric not null default 0,
  thick      numeric not null default 0,
  ral        boolean not null default false,
  ral_cons   numeric not null default 0,
  cost_price numeric not null default 0
);
alter sequence cmn_inventory_items.inventory_items_id_seq owned by cmn_inventory_items.inventory_items.id;

create sequence mnf_proc_tech.proc_tech_id_seq;
create table mnf_proc_tech.proc_tech (
  id                 t_id primary key default nextval('mnf_proc_tech.proc_tech_id_seq'),
  s_caption          varchar(254),
  id_inventory_items t_id references cmn_inventory_items.inventory_items (id),
  id_gds             t_id references cmn_inventory_items.inventory_items (id)
);
alter sequence mnf_proc_tech.proc_tech_id_seq owned by mnf_proc_tech.proc_tech.id;
-- The item list counts the processes of every item.
create index proc_tech_product_idx on mnf_proc_tech.proc_tech (id_inventory_items);

-- The priced operations of a process; they go with their process.
create table mnf_operation.operation (
  id                 serial primary key,
  id_proc_tech       t_id not null references mnf_proc_tech.proc_tech (id) on delete cascade,
  id_inventory_items integer references cmn_inventory_items.inventory_items (id),
  id_type            integer references mnf_operation.operation_type (id),
  id_state           t_id references mnf_operation.operation_state (id),
  price              t_money not null default 0,
  orderby            integer
);
create index operation_proc_tech_idx on mnf_operation.operation (id_proc_tech);

------------------------------------------------------------------------------------------
-- Customer orders
------------------------------------------------------------------------------------------

create table mnf_app.app_doc (
  id            serial primary key,
  d_date        timestamp not null default now(),
  id_jur_person t_id,
  id_person     t_id,
  d_mnf         date,
  d_out         date,
  m_id          t_id,
  id_app_doc    t_id not null default 0,    -- the order this one was raised for; 0 for none
  id_app_spec   t_id                        -- the line it was raised for
);

-- Order lines: state 0 new, 1 accepted and reserved, 2 material issued, 3 produced;
-- accept_stock 0 not marked, 1 marked for receipt, 2 received. They go with their order.
create table mnf_app.app_spec (
  id           serial primary key,
  id_app_doc   integer not null references mnf_app.app_doc (id) on delete cascade,
  id_ii        t_id references cmn_inventory_items.inventory_items (id),
  cnt          numeric,
  done         integer not null default 0,
  id_ral       t_id not null default 0,     -- paint item; 0 for none
  id_gds       t_id,
  price        t_money,
  cost_price   t_money,
  state        t_id not null default 0,
  accept       boolean not null default false,
  accept_stock integer not null default 0,
  job_price    t_money not null default 0,
  gds_price    t_money not null default 0,
  id_stock_in  t_id,
  master_id    t_id
);
create index app_spec_app_doc_idx on mnf_app.app_spec (id_app_doc);

------------------------------------------------------------------------------------------
-- Purchasing
------------------------------------------------------------------------------------------

create table stk_purchase.purchase_doc (
  id            serial primary key,
  d_date        timestamp not null default now(),
  id_jur_person t_id,                       -- empty for requests raised by production
  id_person     t_id,
  d_in          date,
  id_app_doc    t_id,
  id_app_spec   t_id
);

-- Request lines: state 0 "Оформление", 1 "Закупка", 2 "На складе".
create table stk_purchase.purchase_spec (
  id              serial primary key,
  id_purchase_doc t_id not null,
  id_gds          t_id references cmn_inventory_items.inventory_items (id),
  id_item         t_id,
  cnt             numeric,
  gds_price       t_money,
  state           t_id not null default 0
);
create index purchase_spec_doc_idx on stk_purchase.purchase_spec (id_purchase_doc);

------------------------------------------------------------------------------------------
-- Stock
------------------------------------------------------------------------------------------

-- One row per store and item.
create table stk_stocks.stock (
  id        serial primary key,
  id_stock  t_id not null,
  id_ii     t_id not null references cmn_inventory_items.inventory_items (id),
  count     numeric not null default 0,
  reserve   numeric not null default 0,
  price     numeric not null default 0,
  job_price t_money not null default 0,
  gds_price t_money not null default 0,
  unique (id_stock, id_ii)
);
create index stock_ii_idx on stk_stocks.stock (id_ii);

-- Receipt orders, numbered from stk_stocks.stocks_id_seq. id_jur_pers is the supplier of a
-- raw-material order and the producing department of a finished-goods order.
create sequence stk_stocks.stocks_id_seq;
create table stk_stocks.stock_in (
  id            integer primary key default nextval('stk_stocks.stocks_id_seq'),
  date_in       date,
  d_datetime    timestamp not null default now(),
  id_accomp_doc varchar(254) not null default '0',
  id_jur_pers   t_id,
  id_department t_id
);
alter sequence stk_stocks.stocks_id_seq owned by stk_stocks.stock_in.id;

-- Receipt order lines; they go with their order.
create table stk_stocks.spec_in (
  id          serial primary key,
  id_stock_in integer not null references stk_stocks.stock_in (id) on delete cascade,
  id_gds      t_id references cmn_inventory_items.inventory_items (id),
  id_msm      t_id references cmn_msm.msm (id),
  cnt_gds     numeric,
  price       t_money,
  nds         t_money,
  d_datetime  date default current_date,
  accept      boolean not null default false,
  id_app_spec t_id
);
create index spec_in_stock_in_idx on stk_stocks.spec_in (id_stock_in);

-- Issue lines of the materials of a production order line; id_stock_out 0 until a store is chosen.
create table stk_stocks.spec_out (
  id           serial primary key,
  id_gds       t_id references cmn_inventory_items.inventory_items (id),
  id_stock_out integer not null default 0,
  cnt_gds      numeric,
  price        t_money,
  d_datetime   timestamp default now(),
  accept       boolean not null default false,
  id_app_doc   t_id,
  id_app_spec  t_id
);
create index spec_out_app_spec_idx on stk_stocks.spec_out (id_app_spec);

------------------------------------------------------------------------------------------
-- Shift accounting
------------------------------------------------------------------------------------------

-- Work records: one per worker, operation, shift (1..3, 4 overtime) and day.
create table accounts_dep.smena (
  id            serial primary key,
  data          date,
  smena         integer,
  w_id          integer references cmn_contractor.person (id),
  i_id          integer references cmn_inventory_items.inventory_items (id),
  o_id          integer references mnf_operation.operation (id),
  cena          numeric(15,4),
  kol_vo        numeric,
  brak          integer not null default 0,
  time          integer not null default 0,
  color         integer not null default 0,
  ok            char(2) not null default 'no',
  vvod          timestamp default now(),
  prize         numeric not null default 0,
  id_doc        numeric(15,0),
  id_doc_item   numeric(15,0),
  f_gds_qty_use numeric not null default 0,
  id_gds_use    numeric(15,0),
  id_cons_use   numeric(15,0) not null default 0,
  coef          numeric,
  i_id_old      integer,
  m_id          numeric(15,0),
  b_end_oper    boolean
);
create index smena_data_idx on accounts_dep.smena (data, smena);
create index smena_doc_item_idx on accounts_dep.smena (id_doc_item);
create index smena_worker_idx on accounts_dep.smena (w_id, smena, data);

-- The monthly time sheet: hours of a worker in one shift on each day of the month.
create table accounts_dep.h_tabel (
  id    serial primary key,
  w_id  integer not null references cmn_contractor.person (id),
  smena smallint not null,
  month smallint not null,
  year  smallint not null,
  d1  smallint not null default 0, d2  smallint not null default 0, d3  smallint not null default 0,
  d4  smallint not null default 0, d5  smallint not null default 0, d6  smallint not null default 0,
  d7  smallint not null default 0, d8  smallint not null default 0, d9  smallint not null default 0,
  d10 smallint not null default 0, d11 smallint not null default 0, d12 smallint not null default 0,
  d13 smallint not null default 0, d14 smallint not null default 0, d15 smallint not null default 0,
  d16 smallint not null default 0, d17 smallint not null default 0, d18 smallint not null default 0,
  d19 smallint not null default 0, d20 smallint not null default 0, d21 smallint not null default 0,
  d22 smallint not null default 0, d23 smallint not null default 0, d24 smallint not null default 0,
  d25 smallint not null default 0, d26 smallint not null default 0, d27 smallint not null default 0,
  d28 smallint not null default 0, d29 smallint not null default 0, d30 smallint not null default 0,
  d31 smallint not null default 0,
  unique (w_id, smena, month, year)
);

-- Brigade members of a work record, held until the record is divided among them.
create table accounts_dep.person_temp (
  id        serial primary key,
  id_smena  integer not null,
  id_person numeric(15,0) not null
);
create index person_temp_smena_idx on accounts_dep.person_temp (id_smena);

-- Progress of each operation of a production order line.
create table mnf_proc_tech.tp_operation (
  id           serial primary key,
  app_spec_id  numeric(15,0),
  tp_id        numeric(15,0) references mnf_proc_tech.proc_tech (id),
  operation_id numeric(15,0),
  cnt          integer,
  done         integer not null default 0,
  orderby      integer
);
create index tp_operation_app_spec_idx on mnf_proc_tech.tp_operation (app_spec_id);

------------------------------------------------------------------------------------------
-- References the constraints above cannot express: key columns of another type than the
-- key they point to, and columns that hold 0 for "none". Deleting a row still referenced
-- this way is refused like a foreign key would refuse it; a purchase request takes its
-- lines with it.
------------------------------------------------------------------------------------------

-- Trigger arguments: pairs of referencing table (schema-qualified) and column.
create function public.restrict_referenced_delete() returns trigger
language plpgsql as $$
declare
  i    integer := 0;
  used boolean;
begin
  while i + 1 < tg_nargs loop
    execute format('select exists (select 1 from %s where %I = $1)', tg_argv[i], tg_argv[i + 1])
      into used using old.id;
    if used then
      raise exception 'update or delete on table "%" violates foreign key constraint "%_%_ref" on table "%"',
            tg_table_name, tg_argv[i], tg_argv[i + 1], tg_argv[i]
        using errcode = 'foreign_key_violation',
              detail = format('Key (id)=(%s) is still referenced from table "%s".', old.id, tg_argv[i]);
    end if;
    i := i + 2;
  end loop;
  return old;
end
$$;

create trigger person_restrict_delete before delete on cmn_contractor.person
  for each row execute function public.restrict_referenced_delete(
    'mnf_app.app_doc', 'id_person',
    'stk_purchase.purchase_doc', 'id_person',
    'adm_user.users', 'id_person',
    'accounts_dep.person_temp', 'id_person');

create trigger jur_person_restrict_delete before delete on cmn_contractor.jur_person
  for each row execute function public.restrict_referenced_delete(
    'mnf_app.app_doc', 'id_jur_person',
    'stk_purchase.purchase_doc', 'id_jur_person');

create trigger department_restrict_delete before delete on cmn_department.department
  for each row execute function public.restrict_referenced_delete(
    'cmn_department.department', 'id_parent',
    'hrms_staffpos.staffpos', 'id_department',
    'cmn_inventory_items.nomenclature', 'id_department',
    'stk_stocks.stock', 'id_stock',
    'stk_stocks.stock_in', 'id_department',
    'stk_stocks.spec_out', 'id_stock_out');

create trigger nomenclature_restrict_delete before delete on cmn_inventory_items.nomenclature
  for each row execute function public.restrict_referenced_delete(
    'cmn_inventory_items.inventory_items', 'id_nom');

create trigger inventory_items_restrict_delete before delete on cmn_inventory_items.inventory_items
  for each row execute function public.restrict_referenced_delete(
    'mnf_app.app_spec', 'id_ral',
    'mnf_app.app_spec', 'id_gds');

create trigger operation_restrict_delete before delete on mnf_operation.operation
  for each row execute function public.restrict_referenced_delete(
    'mnf_proc_tech.tp_operation', 'operation_id');

create function stk_purchase.delete_purchase_lines() returns trigger
language plpgsql as $$
begin
  delete from stk_purchase.purchase_spec where id_purchase_doc = old.id;
  return old;
end
$$;

create trigger purchase_doc_delete_lines after delete on stk_purchase.purchase_doc
  for each row execute function stk_purchase.delete_purchase_lines();

------------------------------------------------------------------------------------------
-- Server routines
------------------------------------------------------------------------------------------

-- Empties every table of the named schema (one TRUNCATE over all of them).
create function public.truncate_tables(schema_name text) returns void
language plpgsql as $$
declare
  tables text;
begin
  select string_agg(format('%I.%I', schema_name, c.relname), ', ')
    into tables
    from pg_class c
   where c.relnamespace = (select oid from pg_namespace where nspname = schema_name)
     and c.relkind in ('r', 'p');
  if tables is not null then
    execute 'truncate table ' || tables;
  end if;
end
$$;

-- The time-sheet rule for one worker, shift and date: that day's column of the worker's row
-- for the shift, month and year holds the sum of the hours of his work records of that shift
-- and date. The row is created when absent.
create function accounts_dep.apply_time_sheet(worker integer, shift integer, work_date date)
returns void
language plpgsql as $$
declare
  day_column text := 'd' || extract(day from work_date)::integer;
  hours      integer;
  updated    integer;
begin
  select coalesce(sum(s.time), 0) into hours
    from accounts_dep.smena s
   where s.w_id = worker and s.smena = shift and s.data = work_date;
  execute format('update accounts_dep.h_tabel set %I = $1
                   where w_id = $2 and smena = $3 and month = $4 and year = $5', day_column)
    using hours, worker, shift, extract(month from work_date)::integer,
          extract(year from work_date)::integer;
  get diagnostics updated = row_count;
  if updated = 0 then
    execute format('insert into accounts_dep.h_tabel (w_id, smena, month, year, %I)
                    values ($2, $3, $4, $5, $1)', day_column)
      using hours, worker, shift, extract(month from work_date)::integer,
            extract(year from work_date)::integer;
  end if;
end
$$;

-- Divides a work record among its brigade: the record's worker and each distinct member
-- listed for it in person_temp share the quantity equally (the shares, to six decimals, add
-- up to the original; the worker keeps any remainder) and the defects as whole units (the
-- worker keeps the remainder). Each member gets a copy of the record with his share, and his
-- time sheet follows the time-sheet rule. The record's person_temp rows are removed.
create function accounts_dep.divide_between_person(s_id numeric) returns void
language plpgsql as $$
declare
  rec          accounts_dep.smena%rowtype;
  members      integer[];
  n            integer;
  qty_share    numeric;
  brak_share   integer;
  member       integer;
begin
  select * into rec from accounts_dep.smena where id = s_id for update;
  if not found then
    return;
  end if;

  select coalesce(array_agg(p.id_person order by p.first_row), '{}')
    into members
    from (select pt.id_person::integer as id_person, min(pt.id) as first_row
            from accounts_dep.person_temp pt
           where pt.id_smena = s_id
             and pt.id_person is distinct from rec.w_id
           group by pt.id_person) p;

  n := 1 + cardinality(members);
  if n > 1 then
    qty_share  := trim_scale(trunc(coalesce(rec.kol_vo, 0) / n, 6));
    brak_share := coalesce(rec.brak, 0) / n;

    update accounts_dep.smena
       set kol_vo = trim_scale(coalesce(rec.kol_vo, 0) - qty_share * (n - 1)),
           brak   = coalesce(rec.brak, 0) - brak_share * (n - 1)
     where id = rec.id;

    foreach member in array members loop
      insert into accounts_dep.smena (data, smena, w_id, i_id, o_id, cena, kol_vo, brak, time,
                                      color, ok, vvod, prize, id_doc, id_doc_item,
                                      f_gds_qty_use, id_gds_use, id_cons_use, coef, i_id_old,
                                      m_id, b_end_oper)
      values (rec.data, rec.smena, member, rec.i_id, rec.o_id, rec.cena, qty_share, brak_share,
              rec.time, rec.color, rec.ok, now(), rec.prize, rec.id_doc, rec.id_doc_item,
              rec.f_gds_qty_use, rec.id_gds_use, rec.id_cons_use, rec.coef, rec.i_id_old,
              rec.m_id, rec.b_end_oper);
      if rec.data is not null and rec.smena is not null then
        perform accounts_dep.apply_time_sheet(member, rec.smena, rec.data);
      end if;
    end loop;
  end if;

  delete from accounts_dep.person_temp where id_smena = s_id;
end
$$;

------------------------------------------------------------------------------------------
-- Fixed rows
------------------------------------------------------------------------------------------

-- The counterparty of the orders that production raises for stock.
insert into cmn_contractor.jur_person (id, s_caption, s_full_caption, s_ogrn, s_inn)
values (1, 'Собственное производство', 'Собственное производство (на склад)', '', '');

-- The kind whose issue lines go out only together with the rest of their production line.
insert into cmn_inventory_items.nomenclature (id, s_caption, id_department)
values (7, 'Лакокрасочные материалы', 0);

insert into mnf_operation.operation_state (id, s_caption) values
  (0, 'Готовая продукция'),
  (1, 'Заготовки');

insert into cmn_inventory_items.ii_type (id, s_caption) values
  (0, 'Сырьё'),
  (1, 'Заготовки'),
  (2, 'Готовая продукция'),
  (3, 'Краска');

-- The unit of finished products (finished-goods receipt lines always carry unit 4).
insert into cmn_msm.msm (id, s_code, s_caption, s_identification, n_round)
values (4, '796', 'Штука', 'шт', 0);

insert into public.ver (d, t, delim) values (0, 0, '.');

-- Keep every generated key ahead of the fixed ids above.
do $$
declare
  col record;
begin
  for col in
    select n.nspname, c.relname, a.attname, pg_get_serial_sequence(format('%I.%I', n.nspname, c.relname), a.attname) as seq
      from pg_attribute a
      join pg_class c on c.oid = a.attrelid and c.relkind = 'r'
      join pg_namespace n on n.oid = c.relnamespace
     where a.attnum > 0 and not a.attisdropped
       and n.nspname not in ('pg_catalog', 'information_schema') and n.nspname not like 'pg_toast%'
       and pg_get_serial_sequence(format('%I.%I', n.nspname, c.relname), a.attname) is not null
  loop
    execute format('select setval(%L, coalesce((select max(%I) from %I.%I), 0)::bigint + 1, false)',
                   col.seq, col.attname, col.nspname, col.relname);
  end loop;
end
$$;

------------------------------------------------------------------------------------------
-- Rights: the group role "veltro_users" works on everything.
------------------------------------------------------------------------------------------

do $$
declare
  s text;
begin
  foreach s in array array['public', 'cmn_contractor', 'cmn_department', 'hrms_staffpos',
                           'adm_role', 'adm_user', 'cmn_msm', 'cmn_inventory_items',
                           'mnf_operation', 'mnf_proc_tech', 'mnf_app', 'stk_purchase',
                           'stk_stocks', 'accounts_dep'] loop
    execute format('grant usage on schema %I to veltro_users', s);
    execute format('grant select, insert, update, delete, truncate on all tables in schema %I to veltro_users', s);
    execute format('grant usage, select, update on all sequences in schema %I to veltro_users', s);
    execute format('grant execute on all functions in schema %I to veltro_users', s);
  end loop;
end
$$;
