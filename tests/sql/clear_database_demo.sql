-- "Очистить базу" on the demo data: the client sends its text in one call as an ordinary
-- login. Every working table is emptied; the reference data stays.

create table public.reference_counts (t text, n bigint);
do $$
declare
  t text;
  n bigint;
begin
  foreach t in array array['cmn_contractor.person', 'cmn_contractor.jur_person', 'cmn_department.department',
                           'hrms_staffpos.staffpos', 'adm_role.roles', 'adm_user.users', 'cmn_msm.msm',
                           'cmn_inventory_items.nomenclature', 'cmn_inventory_items.ii_type',
                           'cmn_inventory_items.inventory_items', 'mnf_proc_tech.proc_tech',
                           'mnf_operation.operation', 'mnf_operation.operation_type',
                           'mnf_operation.operation_state', 'public.ver'] loop
    execute format('select count(*) from %s', t) into n;
    insert into public.reference_counts values (t, n);
  end loop;
  assert (select count(*) from mnf_app.app_spec) > 0 and (select count(*) from accounts_dep.smena) > 0
     and (select count(*) from stk_stocks.stock) > 0 and (select count(*) from stk_purchase.purchase_spec) > 0
     and (select count(*) from mnf_proc_tech.tp_operation) > 0 and (select count(*) from accounts_dep.h_tabel) > 0,
     'the demo has working data to clear';
end
$$;

\c -reuse-previous=on "user=sys password=brumvex"

-- The client's text, sent as one request (psql's \; joins the statements into one call).
SELECT truncate_tables('mnf_app') \;
truncate table mnf_proc_tech.tp_operation \;truncate table accounts_dep.smena \;truncate table accounts_dep.h_tabel \;truncate table accounts_dep.person_temp \;SELECT truncate_tables('stk_stocks') \;SELECT truncate_tables('stk_purchase') \g /dev/null

\c -reuse-previous=on "user=postgres"

do $$
declare
  r record;
  n bigint;
begin
  for r in select schemaname, tablename from pg_tables
            where schemaname in ('mnf_app', 'stk_stocks', 'stk_purchase')
               or (schemaname, tablename) in (('mnf_proc_tech', 'tp_operation'), ('accounts_dep', 'smena'),
                                             ('accounts_dep', 'h_tabel'), ('accounts_dep', 'person_temp'))
  loop
    execute format('select count(*) from %I.%I', r.schemaname, r.tablename) into n;
    assert n = 0, format('%s.%s emptied', r.schemaname, r.tablename);
  end loop;

  for r in select * from public.reference_counts loop
    execute format('select count(*) from %s', r.t) into n;
    assert n = r.n and n > 0, format('%s kept (%s of %s rows)', r.t, n, r.n);
  end loop;
end
$$;
